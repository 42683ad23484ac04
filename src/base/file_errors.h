// Run-time errors for files that cannot be opened, read or written.
#pragma once

#include "base/runtime_error.h"

class QFileDevice;

namespace korvel {

// The catalogue error that best describes why the file could not be opened or written
// (file not found, path not found, permission denied, disk full, device I/O error), with
// the system's own words added to the description.
RuntimeError Open_Error(const QFileDevice& file, bool forWriting);
RuntimeError Write_Error(const QFileDevice& file);
RuntimeError Read_Error(const QFileDevice& file);

} // namespace korvel
