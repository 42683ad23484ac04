// Numbers written for reading in tables: a fixed count of significant digits, or the
// shortest text that reads back to the same double.
#pragma once

#include <QString>

namespace korvel {

// value to at most `digits` significant digits, exponent form ("1.23457E+06") only where
// plain digits would be long; 0 and -0 are "0". Not a number and infinities are "NaN",
// "Infinity" and "-Infinity".
QString Significant_Text(double value, int digits = 6);

// The shortest decimal that reads back to exactly value ("0.1", "1.0000000000000002").
QString Shortest_Double_Text(double value);

} // namespace korvel
