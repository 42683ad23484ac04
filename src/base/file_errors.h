// Run-time errors for files that cannot be opened, read or written. Every description
// names the file: "Path/File access error: file to open is a directory: /home/ann/x.kvl".
#pragma once

#include "base/runtime_error.h"

class QFileDevice;

namespace korvel {

// The catalogue error that best describes why the file could not be opened or written
// (file not found, path not found, permission denied, disk full, device I/O error), with
// the system's own words and the file's path added to the description.
RuntimeError Open_Error(const QFileDevice& file, bool forWriting);
RuntimeError Write_Error(const QFileDevice& file);
RuntimeError Read_Error(const QFileDevice& file);

// Error number about the file at path, described by its catalogue text, why (when not
// empty) and the path.
RuntimeError File_Error(int32_t number, const QString& why, const QString& path);

} // namespace korvel
