// The exact check as korvel-cli prints it: plain text, tables tab-separated.
#pragma once

#include "model/exact_check.h"

#include <QString>

namespace korvel {

// A classification line, then for a unique solution one line per unknown (name, the
// solver's value, the exact value, correct digits), the condition number and the largest
// residual; for infinitely many the free unknowns and one equation per other unknown; for
// none the two ranks. Names are read at names[1..n]; every line ends in "\n".
QString Check_Report_Text(const ExactCheck& check, const QString* names);

} // namespace korvel
