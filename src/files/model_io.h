// Opening, saving and exporting whole files: the file handling under the File commands
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

// Read_Model_File, then shows its result (Show_Read_Result). Only a file read complete
// becomes File_Path, with File_Name its model name; otherwise both stay as they were.
ReadResult Load_Model_File(const QString& path);

// Writes the model to path (Writefile) through a temporary file and shows nothing; a file
// that cannot be created raises its error to the caller.
WriteResult Write_Model_File(const QString& path);

// Write_Model_File, then shows its result (Show_Save_Result). Returns true when the new
// file is complete.
bool Save_Model_File(const QString& path);

// At start-up: opens the model file named on the command line (a double-clicked .kvl file),
// if any. Errors are reported (" in Open_Clicked_File") and start-up goes on.
void Open_Clicked_File(const QStringList& arguments);

} // namespace korvel
