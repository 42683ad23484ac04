// The recovery file: a solved model that was never saved, kept after every Solve and when
// the system ends the program (logout, shutdown, a termination signal), and offered at the
// next start. Saving the model or quitting through Quit removes it.
#pragma once

#include <QString>

namespace korvel {

// Recovered_Model.kvl in the user's data folder.
QString Recovery_File_Name();

// Where a solved model was never saved (Solved and not Data_Saved), writes it to the
// recovery file, silently. Returns true when a file was written.
bool Write_Recovery_File();

// The model was saved, or the user quit: nothing is left to recover.
void Forget_Recovery_File();

// At start-up: when a recovery file exists, asks whether to open it; Yes reads it like
// File > Open but leaves File_Path alone, so a later Save asks for a name. Once answered,
// Yes or No, the file is removed; a question the program ended during keeps it.
void Offer_Recovered_Model();

// The system asked the program to end: keep an unsaved solved model, then Terminate.
void Quit_On_System_Request();

QString Recovered_Model_Question();

} // namespace korvel
