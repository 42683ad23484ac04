// The printed solution report on a real printer, and in the print preview.
#pragma once

#include <QDateTime>

class QPrinter;

namespace korvel {

// Prints the report on the chosen printer and ends the document. Errors (no printer, a
// printer fault) are reported ("Print_to_Printer").
void Print_to_Printer(QPrinter& printer);

// Draws the report on the printer's pages and ends the document: what Print_to_Printer
// sends, and what the preview shows. Raises the error when the printer cannot start or
// finish the document.
void Paint_Printer_Report(QPrinter& printer, const QDateTime& now);

} // namespace korvel
