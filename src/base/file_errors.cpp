#include "base/file_errors.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace korvel {

namespace {
RuntimeError With_Detail(int32_t number, const QFileDevice& file) {
    QString description = Error_Description(number);
    if (!file.errorString().isEmpty()) description += QStringLiteral(": ") + file.errorString();
    return RuntimeError(number, description);
}

bool Disk_Is_Full(const QFileDevice& file) {
    const QString why = file.errorString();
    return why.contains(QLatin1String("No space left"), Qt::CaseInsensitive) ||
           why.contains(QLatin1String("quota"), Qt::CaseInsensitive);
}
} // namespace

RuntimeError Open_Error(const QFileDevice& file, bool forWriting) {
    const QFileInfo info(file.fileName());
    if (!info.absoluteDir().exists()) return With_Detail(Err::PathNotFound, file);
    if (!forWriting && !info.exists())
        return With_Detail(Err::FileNotFound, file);
    return With_Detail(Err::PathFileAccessError, file);
}

RuntimeError Write_Error(const QFileDevice& file) {
    return With_Detail(Disk_Is_Full(file) ? Err::DiskFull : Err::DeviceIoError, file);
}

RuntimeError Read_Error(const QFileDevice& file) { return With_Detail(Err::DeviceIoError, file); }

} // namespace korvel
