// The printed solution report on a real printer.
#pragma once

class QPrinter;

namespace korvel {

// Prints the report on the chosen printer and ends the document. Errors (no printer, a
// printer fault) are reported ("Print_to_Printer").
void Print_to_Printer(QPrinter& printer);

} // namespace korvel
