#include "base/file_errors.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace korvel {

namespace {
RuntimeError With_Detail(int32_t number, const QFileDevice& file) {
    return File_Error(number, file.errorString(), file.fileName());
}

bool Disk_Is_Full(const QFileDevice& file) {
    const QString why = file.errorString();
    return why.contains(QLatin1String("No space left"), Qt::CaseInsensitive) ||
           why.contains(QLatin1String("quota"), Qt::CaseInsensitive);
}
} // namespace

RuntimeError File_Error(int32_t number, const QString& why, const QString& path) {
    QString description = Error_Description(number);
    // Qt says "Unknown error" where it has nothing to say.
    if (!why.isEmpty() && why != QLatin1String("Unknown error"))
        description += QStringLiteral(": ") + why;
    if (!path.isEmpty()) description += QStringLiteral(": ") + QDir::toNativeSeparators(path);
    return RuntimeError(number, description);
}

RuntimeError Open_Error(const QFileDevice& file, bool forWriting) {
    const QFileInfo info(file.fileName());
    if (!info.absoluteDir().exists()) return With_Detail(Err::PathNotFound, file);
    if (!forWriting && !info.exists()) return With_Detail(Err::FileNotFound, file);
    return With_Detail(Err::PathFileAccessError, file);
}

RuntimeError Write_Error(const QFileDevice& file) {
    return With_Detail(Disk_Is_Full(file) ? Err::DiskFull : Err::DeviceIoError, file);
}

RuntimeError Read_Error(const QFileDevice& file) {
    return With_Detail(Err::DeviceIoError, file);
}

} // namespace korvel
