// The marks inside a number cell that other programs' locales write: a point or a comma as
// the decimal mark, points between groups of three digits, and U+2212 as the minus sign.
#pragma once

#include <QString>
#include <QStringView>

namespace korvel {

// How many groups of three digits follow points in a whole number grouped by points:
// 2 for "1.234.567", 1 for "-1.500"; 0 for anything else ("0.500", "1.5", "1.2345").
int Point_Groups(QStringView text);

// A number with a decimal comma, its whole part plain or grouped by points: "1,5", ",5",
// "-0,25e3", "1.234,5".
bool Is_Comma_Decimal(QStringView text);

// The cell with U+2212 read as "-" when that makes it a number in any of the readings
// above or with a decimal point ("−1.25", "1.5E−05"); any other cell as it is.
QString With_Ascii_Minus(const QString& cell);

} // namespace korvel
