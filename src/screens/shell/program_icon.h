// The program's icon, built into the program so that every window shows it whether or not
// the icon theme holds it (a program run from the build tree, a desktop without Korvel
// installed).
#pragma once

#include <QIcon>

namespace korvel {

// The icon at every size it is drawn in (16 to 256 pixels), from the program's resources.
QIcon Program_Icon();

// Makes Program_Icon() the icon of every window of the program.
void Set_Program_Icon();

} // namespace korvel
