// The recorded elimination written out for reading: each column's pivot and row exchange,
// the reduced system after it, and the back substitution. Plain text in fixed-width
// columns, for a monospaced page and for the clipboard.
#pragma once

#include "model/elimination_steps.h"

#include <QString>

namespace korvel {

// names are read at names[1..n]. Values to 6 significant digits.
QString Elimination_Text(const EliminationRecord& record, const QString* names);

// One system as a table: a heading of the unknowns' names, then one line per equation,
// the constants after a bar.
QString Reduced_System_Text(const ReducedSystem& system, const QString* names);

} // namespace korvel
