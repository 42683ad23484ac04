// The printed report as a PDF file, for korvel-cli's print command.
#pragma once

#include "base/outcome.h"

#include <QString>

namespace korvel {

// Prints the report of the solved model to a PDF file at path, through a temporary file
// that replaces path only once the whole document is written: a failure (full disk, no
// folder) leaves any earlier report as it was. Shows nothing: the result is written or
// the error ("Print_to_Printer").
WriteResult Write_Pdf_Report(const QString& path);

} // namespace korvel
