#include "base/read_file.h"

#include "base/file_errors.h"

#include <QFile>

#include <sys/stat.h>

namespace korvel {

bool Is_Regular_File(const QString& path) {
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QByteArray Read_Whole_File(const QString& path) {
    QFile file(path);
    if (!QFile::exists(path)) throw Open_Error(file, false);
    if (!Is_Regular_File(path))
        throw File_Error(Err::PathFileAccessError, QStringLiteral("not a regular file"), path);
    if (!file.open(QIODevice::ReadOnly)) throw Open_Error(file, false);
    if (file.size() > Largest_Readable_File)
        throw File_Error(Err::PathFileAccessError,
                         QStringLiteral("larger than 16 MiB, too large for this program's files"),
                         path);
    // A buffer for the size the file has now: one for the largest readable size would cost
    // every read a 16 MiB allocation. A file that grows while it is read still stops at the
    // limit.
    const qint64 expected = file.size();
    QByteArray content = file.read(expected + 1);
    if (content.size() > expected && file.error() == QFileDevice::NoError)
        content += file.read(Largest_Readable_File + 1 - content.size());
    if (file.error() != QFileDevice::NoError) throw Read_Error(file);
    if (content.size() > Largest_Readable_File)
        throw File_Error(Err::PathFileAccessError,
                         QStringLiteral("larger than 16 MiB, too large for this program's files"),
                         path);
    return content;
}

} // namespace korvel
