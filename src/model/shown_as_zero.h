// Solution values too small for the entry screen's three decimals: they show as 0 there
// (and on the results screen and the report, which round to four), though they are not 0.
#pragma once

#include <QString>

#include <cstdint>

namespace korvel {

// A sentence for the status line naming the first such value of x[1..n] in full, how many
// there are and where to read them; empty when every value that shows as 0 is 0.
QString Shown_As_Zero_Note(int16_t n, const double* x, const QString* names);

} // namespace korvel
