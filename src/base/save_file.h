// Saving through a temporary file: the target is replaced only by a complete file, so a
// failed write never destroys the file that was there before.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvel {

// Opens the save file for writing; raises the open error (naming the file) when it cannot,
// and a path/file access error (75) when the target exists and is not a regular file.
void Open_For_Saving(QSaveFile& file);

// Flushes what has been written and commits the file in place of the target; raises the
// write error (disk full, device I/O error) when any of it fails.
void Commit_Save(QSaveFile& file);

// Writes all of bytes to the opened save file and commits it (Commit_Save).
void Write_And_Commit(QSaveFile& file, const QByteArray& bytes);

// Opens a save file for path (Open_For_Saving) and gives what write(file) gives; write
// writes and commits it.
template <class Write> auto Write_Through_Save_File(const QString& path, Write write) {
    QSaveFile file(path);
    Open_For_Saving(file);
    return write(file);
}

} // namespace korvel
