// The File commands' files as the user sees them: each reads or writes through files/ and
// then shows what came of it (session/show_results), as the program always has.
#pragma once

#include "base/outcome.h"
#include "files/read_result.h"

#include <QString>
#include <QStringList>

namespace korvel {

// Read_Model_File, then shows its result (Show_Read_Result). Only a file read complete
// becomes File_Path, with File_Name its model name; otherwise both stay as they were.
ReadResult Load_Model_File(const QString& path);

// Write_Model_File, then shows its result (Show_Save_Result). Returns true when the new
// file is complete.
bool Save_Model_File(const QString& path);

// At start-up: opens the model file named on the command line (a double-clicked .kvl file),
// if any. Errors are reported (" in Open_Clicked_File") and start-up goes on.
void Open_Clicked_File(const QStringList& arguments);

// Read_System_File, then: an error is reported; a system read becomes the model of the
// file's name (File_Path the file, never saved) and the entry screen opens.
ReadResult Load_System_File(const QString& path);

} // namespace korvel
