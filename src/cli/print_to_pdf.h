// The printed report of the solved model, written to a PDF file (Qt Gui).
#pragma once

#include <QString>

namespace korvel::cli {

// Prints page 1 of the report to path; false (or a RuntimeError) when it cannot be written.
bool Print_To_Pdf(const QString& path);

} // namespace korvel::cli
