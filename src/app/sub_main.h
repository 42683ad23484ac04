// Start-up: the program's entry point after the application object exists.
#pragma once

#include <QStringList>

namespace korvel {

// Runs the start-up steps in order and shows the title screen modally; returns when the
// title screen has been hidden. arguments: the command line after the program name.
void Sub_Main(const QStringList& arguments);

void Init_Globals();

} // namespace korvel
