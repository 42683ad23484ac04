#include "base/file_errors.h"

#include "base/file_names.h"
#include "base/read_file.h"
#include "base/save_file.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {
constexpr qint64 Full_Disk_Bytes = 4096;

RuntimeError With_Detail(int32_t number, const QFileDevice& file) {
    return File_Error(number, file.errorString(), Target_Name(file));
}

// Found by the folder's bytes, which need not be UTF-8.
bool Is_Folder(const QString& path) {
    struct stat status = {};
    return ::stat(Encode_File_Name(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Qt does not always pass the system's reason on (a PDF written through a save file): a
// disk with less than a block left is full all the same.
bool Disk_Is_Full(const QFileDevice& file) {
    const QString why = file.errorString();
    if (why.contains(QLatin1String("No space left"), Qt::CaseInsensitive) ||
        why.contains(QLatin1String("quota"), Qt::CaseInsensitive))
        return true;
    const QStorageInfo disk(QFileInfo(file.fileName()).absolutePath());
    return disk.isValid() && disk.bytesAvailable() < Full_Disk_Bytes;
}

// The nearest folder above a missing folder that exists, when it cannot be written to (a
// read-only home folder or disk): the missing folder cannot be made there. Empty otherwise.
QString Read_Only_Parent(const QString& missingFolder) {
    QString folder = QDir::cleanPath(missingFolder);
    while (!Is_Folder(folder)) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) return {};
        folder = parent;
    }
    return ::access(Encode_File_Name(folder).constData(), W_OK) == 0 ? QString() : folder;
}
} // namespace

RuntimeError File_Error(int32_t number, const QString& why, const QString& path) {
    QString description = Error_Description(number);
    // Qt says "Unknown error" where it has nothing to say.
    if (!why.isEmpty() && why != QLatin1String("Unknown error"))
        description += QStringLiteral(": ") + why;
    if (!path.isEmpty()) description += QStringLiteral(": ") + Readable_File_Name(path);
    return RuntimeError(number, description);
}

RuntimeError Open_Error(const QFileDevice& file, bool forWriting) {
    const QFileInfo info(Target_Name(file));
    if (!Is_Folder(info.absolutePath())) {
        const QString readOnly = forWriting ? Read_Only_Parent(info.absolutePath()) : QString();
        if (!readOnly.isEmpty())
            return File_Error(Err::PathFileAccessError,
                              QStringLiteral("the folder cannot be made, because %1 is read-only")
                                  .arg(Readable_File_Name(readOnly)),
                              Target_Name(file));
        return With_Detail(Err::PathNotFound, file);
    }
    if (!forWriting && !Exists(info.filePath())) return With_Detail(Err::FileNotFound, file);
    return With_Detail(Err::PathFileAccessError, file);
}

RuntimeError Write_Error(const QFileDevice& file) {
    return With_Detail(Disk_Is_Full(file) ? Err::DiskFull : Err::DeviceIoError, file);
}

RuntimeError Read_Error(const QFileDevice& file) {
    return With_Detail(Err::DeviceIoError, file);
}

} // namespace korvel
