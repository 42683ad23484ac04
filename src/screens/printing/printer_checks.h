// What Qt's painter does not tell about a printer: that none is installed, that the chosen
// one is stopped, or that the print system failed the job.
#pragma once

#include "base/runtime_error.h"

class QPrinter;

namespace korvel {

// True when the print system knows no printer and the printer does not write to a file.
bool No_Printer_Installed(const QPrinter& printer);

// The error that says so.
RuntimeError No_Printer_Error();

// Raises DeviceUnavailable when the printer chosen is not there (none is installed, or not
// this one), is stopped, or its queue does not accept jobs. Printing to a file needs no
// printer.
void Check_Printer_Ready(const QPrinter& printer);

// Raises DeviceIoError when the print system ended the job in an error or aborted it, or
// refused to take it.
void Check_Printed(const QPrinter& printer);

} // namespace korvel
