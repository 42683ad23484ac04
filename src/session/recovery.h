// The recovery file: a solved model that was never saved, or work changed since the model
// was last saved or opened, kept after every Solve, shortly after every change and when the
// system ends the program (logout, shutdown, a termination signal), and offered at the next
// start. Saving the model or quitting through Quit removes it.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace korvel {

// Recovered_Model.kvl in the user's data folder.
QString Recovery_File_Name();

// Where a solved model was never saved (Solved and not Data_Saved), or the work was
// changed since it was last saved or opened, writes it to the recovery file, silently.
// Returns true when a file was written.
bool Write_Recovery_File();

// The user changed the model (typed, cleared, pasted, undid): the work is unsaved from now
// on, and the recovery file is written at once.
void Keep_Changed_Work();

// The model file content of the work as the user sees it, for a screen that holds typed
// values the model has not read yet; without one, the model's own content is kept.
void Set_Recovery_Source(std::function<QByteArray()> source);

// The model was saved, or the user quit: nothing is left to recover.
void Forget_Recovery_File();

// At start-up: when a recovery file exists, asks whether to open it; Yes reads it like
// File > Open but leaves File_Path alone, so a later Save asks for a name. Once answered,
// Yes or No, the file is removed; a question the program ended during keeps it.
void Offer_Recovered_Model();

// The system asked the program to end: keep an unsaved solved model, then Terminate.
// Nobody answers boxes from the start: what fails is told on standard error.
void Quit_On_System_Request();

QString Recovered_Model_Question();

} // namespace korvel
