// The program's identity, version and settings globals, shared by every screen.
#pragma once

#include <QString>

namespace korvel {

// Identity and version: set once at start-up and never changed afterwards.
extern QString Program_Name;
extern QString Version;
extern QString Release_Date;
extern QString Revision;
extern QString Title_Caption; // every screen's caption starts with it

// Settings and paths.
extern QString App_Path;       // the program's folder, ending in "\"
extern QString File_Path;      // folder for saved files, then the model file last used
extern QString User_Name;      // login name
extern QString Checkfile_Name; // full name of the run-check file
extern bool First_Activate;    // true until the home screen has become active once
extern bool Full_Screen;       // screens are shown maximised
extern bool Is_Admin;          // may open the machine-wide registry keys for full access

// Identification of the design (the model's name, date and time live with the model).
extern QString Project_ID;

// Sets Program_Name, Version, Release_Date, Revision and First_Activate.
void Set_Identity();

// Program_Name + "   Release " + Version + "   Rev " + Revision + "   " + Release_Date,
// followed by twenty blanks that keep the screen names appended to it apart.
QString Build_Title_Caption();

} // namespace korvel
