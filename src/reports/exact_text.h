// The exact check put into words and numbers for people: the one wording that the entry
// screen's status area, the check screen and korvel-cli share.
#pragma once

#include "model/exact_check.h"

#include <QString>

namespace korvel {

// An exact value as shown: the fraction ("-3/4", "2") when its numerator and denominator
// have at most 12 digits each, else the exact value correctly rounded to 17 digits.
QString Exact_Display(const QString& fraction, const QString& rounded);

// A fraction written for reading: "−3/4" with a true minus sign.
QString Fraction_For_Reading(const QString& fraction);

// One unknown of a general solution as an equation, "Y 1 = 3 − 2·Y 2"; names are read at
// names[1..n].
QString General_Equation(const GeneralUnknown& unknown, const QString* names);

// "Y 2 can be chosen freely" / "Y 2 and Y 3 can be chosen freely" (names at names[1..n]).
QString Free_Unknowns_Text(const std::vector<int>& free_unknowns, const QString* names);

// A condition number in a short readable form: "12", "3.4E+05", "1.2E+16", and beyond the
// double range "1.2E+600"; "infinite" only for an infinity whose exact value is not known.
QString Condition_Text(const ExactMagnitude& condition);

// A quantity of the check as a number that reads back exactly: the shortest text of its
// double, or beyond the double range its value to 17 digits ("1.2345678901234567e+600").
QString Magnitude_Text(const ExactMagnitude& magnitude);

// A quantity beyond the double range to `digits` significant digits, "1.23E+600", from its
// 17-digit text "1.2345678901234567e+600" (rounded again, halves away from zero). A text
// without an exponent is given back as it is.
QString Scientific_Text(const QString& rounded, int digits);

} // namespace korvel
