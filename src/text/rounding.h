// FNRound and FNRoundStr: rounding to a count of decimals, and display text with a fixed
// format pattern in the user's locale.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace korvel {

// Int(value × 10^n + 0.5) / 10^n with Int = floor, n = 0..5; any other n rounds to 6
// decimals. Halves round towards plus infinity. A value whose scaling overflows is
// reported (label "FNRound") and gives an empty result.
std::optional<double> FNRound(double value, int16_t n);

// Text of value with the pattern chosen by n (n < 0: "0.00E+#"; 0..4: "#,###,###,##0."
// with n decimals; n >= 5: "#,###,###,##0.000 000"), rounded half away from zero, with
// the locale's grouping and decimal characters. A value that is not finite is reported
// (label "FNRoundStr") and gives empty text.
QString FNRoundStr(double value, int16_t n, const QLocale& locale = QLocale());

} // namespace korvel
