#include "model/shown_as_zero.h"

#include "text/rounding.h"
#include "text/shortest_text.h"

namespace korvel {

namespace {

// True when the box text of the value has no digit but 0 ("0.000", "-0.000").
bool Shows_As_Zero(double value) {
    const QString shown = FNRoundStr(value, 3);
    for (const QChar ch : shown)
        if (ch.isDigit() && ch != QLatin1Char('0')) return false;
    return !shown.isEmpty();
}

} // namespace

QString Shown_As_Zero_Note(int16_t n, const double* x, const QString* names) {
    int first = 0, count = 0;
    for (int i = 1; i <= n; ++i) {
        if (x[i] == 0 || !Shows_As_Zero(x[i])) continue;
        if (count++ == 0) first = i;
    }
    if (count == 0) return {};
    const QString value = Shortest_Text(x[first]);
    if (count == 1)
        return QStringLiteral("%1 shows as 0 but is %2; hold the pointer over its box, or see "
                              "the details, for the full value.")
            .arg(names[first], value);
    return QStringLiteral("%1 values show as 0 but are not 0 (%2 is %3); hold the pointer over "
                          "a box, or see the details, for the full values.")
        .arg(count)
        .arg(names[first], value);
}

} // namespace korvel
