#include "base/read_file.h"

#include "base/file_errors.h"
#include "base/file_names.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

const QString Too_Large = QStringLiteral("larger than 16 MiB, too large for this program's files");

// Opens the file for reading. A name that is not UTF-8 is opened by its bytes, which Qt
// cannot do; the file then reads through the descriptor.
void Open_For_Reading(QFile& file) {
    if (!Needs_Raw_Bytes(file.fileName())) {
        if (!file.open(QIODevice::ReadOnly)) throw Open_Error(file, false);
        return;
    }
    const int descriptor =
        ::open(Encode_File_Name(file.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw File_Error(Err::PathFileAccessError, QString::fromLocal8Bit(std::strerror(errno)),
                         file.fileName());
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw Open_Error(file, false);
    }
}

// The usual case in four calls (stat, open, read to the end, close): a regular file no
// larger than it was when looked at. Empty for anything else and for every error, which the
// general reading below then raises; a batch of a thousand files spent a fifth of its time
// in that reading's extra calls.
std::optional<QByteArray> Read_Regular_File(const QString& path) {
    const QByteArray name = Encode_File_Name(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > Largest_Readable_File)
        return std::nullopt;
    const int descriptor = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    // One byte more than its size, to see that the file has not grown since.
    QByteArray content(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    bool whole = false;
    while (size < content.size()) {
        const ssize_t got =
            ::read(descriptor, content.data() + size, static_cast<size_t>(content.size() - size));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            whole = got == 0;
            break;
        }
        size += got;
    }
    ::close(descriptor);
    if (!whole) return std::nullopt;
    content.truncate(size);
    return content;
}

} // namespace

bool Exists(const QString& path) {
    struct stat status = {};
    return ::stat(Encode_File_Name(path).constData(), &status) == 0;
}

bool Is_Regular_File(const QString& path) {
    struct stat status = {};
    return ::stat(Encode_File_Name(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QByteArray Read_Whole_File(const QString& path) {
    if (std::optional<QByteArray> content = Read_Regular_File(path)) return *std::move(content);
    QFile file(path);
    if (!Exists(path)) throw Open_Error(file, false);
    if (!Is_Regular_File(path))
        throw File_Error(Err::PathFileAccessError, QStringLiteral("not a regular file"), path);
    Open_For_Reading(file);
    if (file.size() > Largest_Readable_File)
        throw File_Error(Err::PathFileAccessError, Too_Large, path);
    // A buffer for the size the file has now: one for the largest readable size would cost
    // every read a 16 MiB allocation. A file that grows while it is read still stops at the
    // limit.
    const qint64 expected = file.size();
    QByteArray content = file.read(expected + 1);
    if (content.size() > expected && file.error() == QFileDevice::NoError)
        content += file.read(Largest_Readable_File + 1 - content.size());
    if (file.error() != QFileDevice::NoError) throw Read_Error(file);
    if (content.size() > Largest_Readable_File)
        throw File_Error(Err::PathFileAccessError, Too_Large, path);
    return content;
}

} // namespace korvel
