// The exact check as one JSON object, for scripts.
#pragma once

#include "model/exact_check.h"
#include "model/worked_solution.h"

#include <QJsonObject>
#include <QString>

namespace korvel {

// {"status": "unique"|"none"|"infinite", "n", "rank", "rank_augmented", "condition",
//  "residual", "unknowns": [{"name", "float", "exact", "correct_digits"}], "free": [names],
//  "general": [{"name", "constant", "terms": {free name: factor}}], "determinant": "p/q",
//  "inverse": [["p/q", ...], ...] row by row}. Every key is always
// there: what the check does not know (a value the solver did not give, an exact value of
// a system without a unique solution, a number that is not finite, the inverse of a
// singular A, or the determinant when none was given) is null. A condition
// number or residual beyond the double range (or a residual below its smallest value) is a string,
// its value to 17 significant digits ("1.2345678901234567e+600"). Names are read at names[1..n].
// Write it with Compact_Json, which keeps every number the exact double it stands for.
QJsonObject Check_Report_Json(const ExactCheck& check, const QString* names,
                              const DeterminantAndInverse& matrix = {});

} // namespace korvel
