// The run-check file: records whether the last run ended through Quit, so that a crash
// (or a second copy) is noticed at the next start.
#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// At start-up: sets User_Name, File_Path (the saved-files folder) and Checkfile_Name,
// creates the saved-files folder on a first start, tells the user about a run that did
// not end properly, refuses a second copy started by double-clicking a model file (the
// program then ends), and records "Running".
void Check_for_Crash(const QStringList& commandLine);

// Writes the "Running" record. context tells, for error reports, how far it got.
void Write_Checkfile(QString& context);

// Writes the "Normal Exit" record (nothing while Checkfile_Name is empty).
void Write_Normal_Exit();

// Where the run-check file lives: the program's folder, or the user's data folder when
// the program's folder cannot be written (an installed program in a system folder).
QString Checkfile_Folder(const QString& appPath);

// The user's own data folder for the program (made if missing), ending in a separator.
QString User_Data_Folder();

// The folder for saved files: the documents folder + the first seven characters of the
// program name.
QString Saved_Files_Folder();

QString Second_Copy_Message();
QString Improper_Shutdown_Message();

} // namespace korvel
