// The recovery file: a solved model that was never saved, kept when the system ends the
// program (logout, shutdown, a termination signal), and offered at the next start.
#pragma once

#include <QString>

namespace korvel {

// Recovered_Model.kvl in the user's data folder.
QString Recovery_File_Name();

// Where a solved model was never saved (Solved and not Data_Saved), writes it to the
// recovery file, silently. Returns true when a file was written.
bool Write_Recovery_File();

// At start-up: when a recovery file exists, asks whether to open it; Yes reads it like
// File > Open but leaves File_Path alone, so a later Save asks for a name. Either way the
// file is removed afterwards.
void Offer_Recovered_Model();

// The system asked the program to end: keep an unsaved solved model, then Terminate.
void Quit_On_System_Request();

QString Recovered_Model_Question();

} // namespace korvel
