// Saving through a temporary file: the target is replaced only by a complete file, so a
// failed write never destroys the file that was there before.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvel {

// Opens the save file for writing; raises the open error (naming the file) when it cannot,
// and a path/file access error (75) when the target exists and is not a regular file. A
// target named by bytes that are not UTF-8 (see file_names.h) is written under a stand-in
// name in its folder and renamed to its own bytes on commit.
void Open_For_Saving(QSaveFile& file);

// The file a save file writes in the end (its own name, or the target behind a stand-in),
// for messages.
QString Target_Name(const QFileDevice& file);

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
