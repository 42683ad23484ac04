// The worked solution of the model as it stands on a printer or in a PDF file: the working
// by hand's pivot rule, the determinant and inverse, and for two equations the picture.
#pragma once

#include <QString>

class QPrinter;

namespace korvel {

// Prints the pages on the chosen printer and ends the document; errors are reported
// ("Print_Worked_Solution").
void Print_Worked_To_Printer(QPrinter& printer);

// Writes the pages to a PDF file at path and says so, or reports why not.
void Print_Worked_To_Pdf(const QString& path);

} // namespace korvel
