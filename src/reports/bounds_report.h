// The bounds for uncertain data in words and numbers: the check screen's page, the entry
// screen's status line, and korvel-cli's text and JSON.
#pragma once

#include "model/uncertainty_bounds.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace korvel {

// A tolerance as a percentage: 0.001 is "0.1 %", to at most three significant digits.
QString Percent_Text(double fraction);

// What the bounds mean, in one sentence: "Every system whose coefficients are within
// ±0.1 % and constants within ±0.5 % of these values has its solution inside these bounds."
// When the tolerance may admit a singular system: that no bound can be given, and up to
// which tolerance bounds hold.
QString Bounds_Meaning(const UncertaintyBounds& bounds);

// One row of the table of unknowns: value, lower bound, upper bound, the spread in % of the
// value, and the input that matters most. The bounds are rounded outward to the digits
// shown. Names are read at names[1..n].
QStringList Bounds_Row(const UncertaintyBounds& bounds, int unknown, const QString* names);

// The entry screen's sentence after Solve: "With data known to ±0.1 %: Y 3 = 2.41 ± 0.03
// (±1.2 %), the least certain.", or the warning that no bound can be guaranteed. Empty
// when both tolerances are 0.
QString Bounds_Status_Sentence(const UncertaintyBounds& bounds, const QString* names);

// korvel-cli's text: the meaning, then the table (tab-separated) under a heading line.
QString Bounds_Report_Text(const UncertaintyBounds& bounds, const QString* names);

// Adds "tolerance": {"coefficients", "constants"}, "bounded", "bounded_up_to" to the
// check's object, and "low", "high" and "driver": {"row", "column"} to each of its
// "unknowns" (null where there is no bound or no driver).
void Add_Bounds_Json(QJsonObject& check, const UncertaintyBounds& bounds);

} // namespace korvel
