#include "base/save_file.h"

#include "base/file_errors.h"

#include <QSaveFile>

namespace korvel {

void Open_For_Saving(QSaveFile& file) {
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
