// Reading and writing whole model files, for the File commands (session/file_commands)
// and korvel-cli. Saves go through a temporary file, so a failed write never destroys
// the file that was there before.
#pragma once

#include "base/outcome.h"
#include "files/read_result.h"

#include <QString>
#include <QStringList>

namespace korvel {

// The model name for a file path: the file name without its three-character extension
// ("C:\Models\bridge.kvl" and "/home/ann/bridge.kvl" give bridge). A name without such an
// extension is kept whole. Both "\" and "/" separate folders. A path shorter than four
// characters is an error, reported ("StripFilename") and raised again to the caller.
QString StripFilename(const QString& path);

// Reads the model file at path into the model (Readfile) and shows nothing. A file that
// cannot be opened or read, is not a regular file or is over 16 MiB raises its error
// (naming the file) to the caller, with the model untouched.
ReadResult Read_Model_File(const QString& path);

// Writes the model to path (Writefile) through a temporary file and shows nothing; a file
// that cannot be created raises its error to the caller.
WriteResult Write_Model_File(const QString& path);

} // namespace korvel
