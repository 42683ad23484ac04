#include "base/save_file.h"

#include "base/file_errors.h"
#include "base/read_file.h"

#include <QFileInfo>

#include <QSaveFile>

namespace korvel {

void Open_For_Saving(QSaveFile& file) {
    // A FIFO or a device (say /dev/null) in the target's place would be replaced by the
    // renamed temporary file: it is refused and left as it is.
    const QString path = file.fileName();
    if (path.isEmpty())
        throw File_Error(Err::PathFileAccessError, QStringLiteral("no file name was given"), {});
    if (QFileInfo::exists(path) && !Is_Regular_File(path))
        throw File_Error(Err::PathFileAccessError, QStringLiteral("not a regular file"), path);
    if (!file.open(QIODevice::WriteOnly)) throw Open_Error(file, true);
}

void Commit_Save(QSaveFile& file) {
    // commit() does not see a failed flush of the buffered tail: flush first.
    if (!file.flush() || !file.commit()) throw Write_Error(file);
}

void Write_And_Commit(QSaveFile& file, const QByteArray& bytes) {
    // An uncommitted save file is discarded when it goes, the target left as it was.
    if (file.write(bytes) != bytes.size()) throw Write_Error(file);
    Commit_Save(file);
}

} // namespace korvel
