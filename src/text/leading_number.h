// Leading-number reading: the lenient conversion of typed or stored text to a number.
#pragma once

#include <QString>

namespace korvel {

// Blanks, tabs and line feeds anywhere are ignored; the longest leading number (sign,
// digits, "." and fraction, exponent "E" or "D" with sign) is taken, or a hexadecimal
// ("&H") or octal ("&O") integer; anything after it is ignored; a text that does not
// begin with a number reads as 0. "." is the only decimal point, whatever the locale.
// A number beyond the range of a 64-bit float raises error 6 (Overflow).
double Leading_Number(const QString& text);

// What the reading above passed over: the text after the leading number, without the
// blanks around it ("1,5" gives ",5", "12 kN" gives "kN", "abc" gives "abc"); empty when
// the text is only a number and blanks.
QString Unread_Text(const QString& text);

} // namespace korvel
