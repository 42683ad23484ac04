// The printed report as a PDF file, for korvel-cli's print command.
#pragma once

#include "base/outcome.h"

#include <QString>

#include <functional>

class QPainter;
class QPdfWriter;

namespace korvel {

// Prints the report of the solved model to a PDF file at path, through a temporary file
// that replaces path only once the whole document is written: a failure (full disk, no
// folder) leaves any earlier report as it was. Shows nothing: the result is written or
// the error ("Print_to_Printer").
WriteResult Write_Pdf_Report(const QString& path);

// A PDF document drawn by draw (on a begun painter) written to path in the same way: whole
// or not at all; errors carry label.
WriteResult Write_Pdf_Document(const QString& path, const QString& title, const QString& label,
                               const std::function<void(QPainter&, QPdfWriter&)>& draw);

} // namespace korvel
