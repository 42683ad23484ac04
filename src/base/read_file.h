// Reading a whole small file (a model file, the run-check file) without hanging or
// running out of memory on something that is not one.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvel {

// Larger than any file the program writes by far; anything bigger is not one of its files.
constexpr qint64 Largest_Readable_File = 16 * 1024 * 1024;

// The whole content of the regular file at path. Raises, naming the file: file not found
// (53) or path not found (76) when it is missing; a path/file access error (75) at once,
// without opening it, for anything that is not a regular file (a folder, a FIFO, a device)
// and for a file over Largest_Readable_File; a device I/O error (57) when reading fails.
QByteArray Read_Whole_File(const QString& path);

// True when something is at path (links followed), found by the path's bytes.
bool Exists(const QString& path);

// True when path names a regular file (links followed), found without opening it: opening a
// FIFO waits for a writer, and a device may never end.
bool Is_Regular_File(const QString& path);

} // namespace korvel
