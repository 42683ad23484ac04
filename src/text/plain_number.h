// Recognising a number written plainly, as files and pasted tables hold them: digits with
// one decimal mark and an optional exponent, nothing else.
#pragma once

#include <QStringView>

namespace korvel {

// The shape "[+-]digits[mark[digits]][E[+-]digits]" or "[+-]mark digits[E...]", where the
// mark is `decimalMark` and E is any of `exponentLetters`; digits are 0-9 only. No blanks,
// no thousands separators, nothing after the number.
bool Is_Plain_Number(QStringView text, QChar decimalMark, QStringView exponentLetters);

} // namespace korvel
