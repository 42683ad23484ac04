// Number text: the program's one way of turning a 64-bit float into text for boxes,
// names, reports and files.
#pragma once

#include <QLocale>
#include <QString>

#include <string>

namespace korvel {

// A value rounded to 15 significant digits: value = 0.digits × 10^pointPos, with
// trailing zeros dropped from digits ("" for zero).
struct Decimal15 {
    bool negative = false;
    std::string digits;
    int pointPos = 0;
};
Decimal15 To_Decimal15(double value);

// The digits without a sign position: "3", ".5", "-.25", "1E-05", "1.5E+20".
// Fixed form for magnitudes from 1E-04 up to (not including) 1E+15 after rounding,
// exponent form (at least two exponent digits) outside that range.
QString Number_Digits(double value);

// The form used in boxes and reports: a leading blank for a value that is not negative,
// "-" otherwise (" 3", " .5", "-2", " 1E-05").
QString Number_Text(double value);

// The form written to printed reports and export files: Number_Text with the locale's
// decimal separator, followed by one blank (" 3 ", "-2.5 ").
QString Report_Number_Text(double value, const QLocale& locale);

} // namespace korvel
