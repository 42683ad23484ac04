// Opening, saving and exporting whole files: the file handling under the File commands
// and korvel-cli. Saves go through a temporary file, so a failed write never destroys
// the file that was there before.
#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// The model name for a file path: the file name without its three-character extension
// ("C:\Models\bridge.kvl" and "/home/ann/bridge.kvl" give bridge). A name without such an
// extension is kept whole. Both "\" and "/" separate folders. A path shorter than four
// characters is an error, reported ("StripFilename") and raised again to the caller.
QString StripFilename(const QString& path);

// Reads the model file at path into the model (Readfile). A file that cannot be opened
// or read raises its error to the caller.
void Load_Model_File(const QString& path);

// Writes the model to path (Writefile). Returns true when the new file is complete; a
// file that cannot be created raises its error to the caller.
bool Save_Model_File(const QString& path);

// At start-up: opens the model file named on the command line (a double-clicked .kvl file),
// if any. Errors are reported (" in Open_Clicked_File") and start-up goes on.
void Open_Clicked_File(const QStringList& arguments);

} // namespace korvel
