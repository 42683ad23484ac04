#include "text/significant_text.h"

#include <QLocale>

#include <cmath>

namespace korvel {

namespace {

QString Non_Finite_Text(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

} // namespace

QString Significant_Text(double value, int digits) {
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    if (value == 0.0) return QStringLiteral("0"); // also -0: a sign on zero only confuses
    // QString::number is independent of the locale: "." is always the decimal point.
    return QString::number(value, 'G', digits);
}

QString Shortest_Double_Text(double value) {
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    if (value == 0.0) return QStringLiteral("0");
    return QString::number(value, 'G', QLocale::FloatingPointShortest);
}

} // namespace korvel
