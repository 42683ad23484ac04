// Numbers written for reading in tables: a fixed count of significant digits, or the
// shortest text that reads back to the same double.
#pragma once

#include <QString>

namespace korvel {

// value to at most `digits` significant digits, exponent form ("1.23457E+06") only where
// plain digits would be long; 0 and -0 are "0". Not a number and infinities are "NaN",
// "Infinity" and "-Infinity".
QString Significant_Text(double value, int digits = 6);

// The fewest significant digits that read back to exactly value, written as the tables
// write numbers: "0.1", "1.0000000000000002", "1E-07", "Infinity", "0" also for -0, and a
// large whole number padded with zeros ("969728693705784300"). Not the same text as
// Shortest_Text ("1e-07", "inf", "969728693705784320"), which is for text that programs
// read back: the clipboard, files and korvel-cli.
QString Shortest_Double_Text(double value);

} // namespace korvel
