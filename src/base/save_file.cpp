#include "base/save_file.h"

#include "base/file_errors.h"
#include "base/file_names.h"
#include "base/read_file.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

const QString Stand_In_Object = QStringLiteral("korvel-stand-in");

// A target whose name is not UTF-8, which Qt cannot create: the save file is written under
// a stand-in name in the same folder, reached through the folder's descriptor, and renamed
// to the real bytes once committed. Both renames replace whole files, so the target is
// still never left half written. The save file owns it, so the folder stays open until the
// save file has removed an uncommitted temporary file.
class StandIn : public QObject {
  public:
    StandIn(QSaveFile& file, int folder, QByteArray standIn, QByteArray target, QString path)
        : QObject(&file), folder_(folder), standIn_(std::move(standIn)), target_(std::move(target)),
          path_(std::move(path)) {
        setObjectName(Stand_In_Object);
    }
    ~StandIn() override { ::close(folder_); }

    const QString& Path() const { return path_; }

    // The committed stand-in becomes the target, with the permissions of the file it replaces.
    void Rename_To_Target() const {
        struct stat old = {};
        if (::fstatat(folder_, target_.constData(), &old, 0) == 0)
            ::fchmodat(folder_, standIn_.constData(), old.st_mode & 07777, 0);
        if (::renameat(folder_, standIn_.constData(), folder_, target_.constData()) == 0) return;
        const int error = errno;
        ::unlinkat(folder_, standIn_.constData(), 0);
        throw File_Error(error == ENOSPC ? Err::DiskFull : Err::PathFileAccessError,
                         QString::fromLocal8Bit(std::strerror(error)), path_);
    }

  private:
    int folder_;
    QByteArray standIn_, target_;
    QString path_;
};

const StandIn* Stand_In_Of(const QFileDevice& file) {
    return dynamic_cast<const StandIn*>(
        file.findChild<QObject*>(Stand_In_Object, Qt::FindDirectChildrenOnly));
}

// Points the save file at a stand-in for a target named by bytes that are not UTF-8.
void Use_Stand_In(QSaveFile& file) {
    const QString path = Absolute_File_Name(file.fileName());
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folderPath = path.left(std::max<qsizetype>(slash, 1));
    const int folder =
        ::open(Encode_File_Name(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        const int error = errno;
        throw File_Error(error == ENOENT || error == ENOTDIR ? Err::PathNotFound
                                                             : Err::PathFileAccessError,
                         QString::fromLocal8Bit(std::strerror(error)), path);
    }
    const QByteArray standIn = QByteArrayLiteral(".korvel-save-") +
                               QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    new StandIn(file, folder, standIn, Encode_File_Name(path.mid(slash + 1)), path);
    file.setFileName(QStringLiteral("/proc/self/fd/%1/").arg(folder) +
                     QString::fromLatin1(standIn));
}

} // namespace

QString Target_Name(const QFileDevice& file) {
    const StandIn* standIn = Stand_In_Of(file);
    return standIn ? standIn->Path() : file.fileName();
}

void Open_For_Saving(QSaveFile& file) {
    // A FIFO or a device (say /dev/null) in the target's place would be replaced by the
    // renamed temporary file: it is refused and left as it is.
    const QString path = file.fileName();
    if (path.isEmpty())
        throw File_Error(Err::PathFileAccessError, QStringLiteral("no file name was given"), {});
    if (Exists(path) && !Is_Regular_File(path))
        throw File_Error(Err::PathFileAccessError, QStringLiteral("not a regular file"), path);
    if (Needs_Raw_Bytes(path)) Use_Stand_In(file);
    if (!file.open(QIODevice::WriteOnly)) throw Open_Error(file, true);
}

void Commit_Save(QSaveFile& file) {
    // commit() does not see a failed flush of the buffered tail: flush first.
    if (!file.flush() || !file.commit()) throw Write_Error(file);
    if (const StandIn* standIn = Stand_In_Of(file)) standIn->Rename_To_Target();
}

void Write_And_Commit(QSaveFile& file, const QByteArray& bytes) {
    // An uncommitted save file is discarded when it goes, the target left as it was.
    if (file.write(bytes) != bytes.size()) throw Write_Error(file);
    Commit_Save(file);
}

} // namespace korvel
