#include "reports/bounds_report.h"

#include "text/significant_text.h"

#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

constexpr int Table_Digits = 6;

double Half_Width(const UnknownBounds& u) {
    return std::max(u.high - u.value, u.value - u.low);
}

// value to `digits` significant digits, rounded toward -inf (up false) or +inf (up true),
// so that a bound shown is never inside the bound computed.
QString Rounded_Outward(double value, bool up, int digits) {
    QString text = Significant_Text(value, digits);
    for (int step = 0; step < 3 && std::isfinite(value); ++step) {
        const double shown = text.toDouble();
        if (up ? shown >= value : shown <= value) break;
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(shown))) - (digits - 1));
        text = Significant_Text(up ? shown + unit : shown - unit, digits);
    }
    return text;
}

// x rounded up to `digits` significant digits.
double Round_Up(double x, int digits) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - (digits - 1));
    return std::ceil(x / unit * (1 - 1e-12)) * unit;
}

// x rounded down to `digits` significant digits.
double Round_Down(double x, int digits) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - (digits - 1));
    return std::floor(x / unit * (1 - 1e-12)) * unit;
}

QString Percent_Of(double part, double whole) {
    return QString::number(Round_Up(part / std::fabs(whole) * 100, 2), 'g', 12) +
           QStringLiteral(" %");
}

// "±0.1 %" for one tolerance, "coefficients ±0.1 % and constants ±0.5 %" for two.
QString Tolerance_Phrase(const UncertaintyBounds& bounds) {
    if (bounds.coefficients == bounds.constants)
        return QStringLiteral("data known to ±") + Percent_Text(bounds.coefficients);
    return QStringLiteral("coefficients known to ±%1 and constants to ±%2")
        .arg(Percent_Text(bounds.coefficients), Percent_Text(bounds.constants));
}

// "bounds hold for data known to ±0.83 % or better", the limit rounded down.
QString Limit_Phrase(const UncertaintyBounds& bounds) {
    if (!(bounds.boundedUpTo > 0))
        return QStringLiteral("no tolerance of the coefficients can be shown to be safe");
    return QStringLiteral("bounds hold for coefficients known to ±%1 or better")
        .arg(QString::number(Round_Down(bounds.boundedUpTo * 100, 2), 'g', 12) +
             QStringLiteral(" %"));
}

// "Equation 2, Y 3 (64 %)" or "Equation 2, constant (64 %)".
QString Driver_Text(const UncertaintyBounds& bounds, const UnknownBounds& u, const QString* names) {
    if (u.driverRow == 0) return QStringLiteral("-");
    const int n = static_cast<int>(bounds.unknowns.size());
    const QString input =
        u.driverColumn > n
            ? QStringLiteral("constant")
            : QStringLiteral("%1's coefficient").arg(names[u.driverColumn].trimmed());
    return QStringLiteral("Equation %1, %2 (%3 %)")
        .arg(u.driverRow)
        .arg(input)
        .arg(std::round(u.driverShare * 100));
}

// "2.41 ± 0.03 (±1.2 %)": the spread rounded up to one significant digit (two when it
// starts with 1 or 2), the value to the same decimal place.
QString Value_And_Spread(const UnknownBounds& u) {
    const double half = Half_Width(u);
    if (!(half > 0) || !std::isfinite(half)) return Significant_Text(u.value, Table_Digits);
    const int leading = static_cast<int>(half / std::pow(10.0, std::floor(std::log10(half))));
    const double spread = Round_Up(half, leading < 3 ? 2 : 1);
    const int place = static_cast<int>(std::floor(std::log10(spread))) - (leading < 3 ? 1 : 0);
    QString text;
    if (place < -6 || place > 9)
        text = Significant_Text(u.value, 3) + QStringLiteral(" ± ") + Significant_Text(spread, 2);
    else {
        const int decimals = std::max(0, -place);
        text = QString::number(u.value, 'f', decimals) + QStringLiteral(" ± ") +
               QString::number(spread, 'f', decimals);
    }
    if (u.value != 0) text += QStringLiteral(" (±") + Percent_Of(half, u.value) + QLatin1Char(')');
    return text;
}

} // namespace

QString Percent_Text(double fraction) {
    return QString::number(fraction * 100, 'g', 3) + QStringLiteral(" %");
}

QString Bounds_Meaning(const UncertaintyBounds& bounds) {
    if (!bounds.bounded)
        return QStringLiteral("No bound can be guaranteed: coefficients within ±%1 may make the "
                              "equations singular; %2.")
            .arg(Percent_Text(bounds.coefficients), Limit_Phrase(bounds));
    return QStringLiteral("Every system whose coefficients are within ±%1 and constants within "
                          "±%2 of these values has its solution inside these bounds.")
        .arg(Percent_Text(bounds.coefficients), Percent_Text(bounds.constants));
}

QStringList Bounds_Row(const UncertaintyBounds& bounds, int unknown, const QString* names) {
    const UnknownBounds& u = bounds.unknowns[static_cast<size_t>(unknown - 1)];
    QStringList row{names[unknown], Significant_Text(u.value, Table_Digits)};
    if (!bounds.bounded)
        return row << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-")
                   << Driver_Text(bounds, u, names);
    const double half = Half_Width(u);
    row << Rounded_Outward(u.low, false, Table_Digits)
        << Rounded_Outward(u.high, true, Table_Digits)
        << (u.value == 0 ? QStringLiteral("-") : Percent_Of(half, u.value))
        << Driver_Text(bounds, u, names);
    return row;
}

QString Bounds_Status_Sentence(const UncertaintyBounds& bounds, const QString* names) {
    if (bounds.coefficients == 0 && bounds.constants == 0) return {};
    const QString lead = QStringLiteral("With ") + Tolerance_Phrase(bounds) + QStringLiteral(": ");
    if (!bounds.bounded)
        return lead +
               QStringLiteral("no bound can be guaranteed, as the uncertainty may admit "
                              "singular equations (") +
               Limit_Phrase(bounds) + QStringLiteral(").");
    const int least = bounds.Least_Certain();
    if (least == 0) return lead + QStringLiteral("no unknown moves.");
    return lead + names[least].trimmed() + QStringLiteral(" = ") +
           Value_And_Spread(bounds.unknowns[static_cast<size_t>(least - 1)]) +
           QStringLiteral(", the least certain.");
}

QString Bounds_Report_Text(const UncertaintyBounds& bounds, const QString* names) {
    QStringList lines{Bounds_Meaning(bounds),
                      QStringLiteral("Unknown\tValue\tLow\tHigh\t±\tMatters most")};
    for (int i = 1; i <= static_cast<int>(bounds.unknowns.size()); ++i)
        lines << Bounds_Row(bounds, i, names).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Add_Bounds_Json(QJsonObject& check, const UncertaintyBounds& bounds) {
    check.insert(QStringLiteral("tolerance"),
                 QJsonObject{{QStringLiteral("coefficients"), bounds.coefficients},
                             {QStringLiteral("constants"), bounds.constants}});
    check.insert(QStringLiteral("bounded"), bounds.bounded);
    check.insert(QStringLiteral("bounded_up_to"), std::isfinite(bounds.boundedUpTo)
                                                      ? QJsonValue(bounds.boundedUpTo)
                                                      : QJsonValue(QJsonValue::Null));
    QJsonArray unknowns = check.value(QStringLiteral("unknowns")).toArray();
    for (qsizetype i = 0; i < unknowns.size(); ++i) {
        // A system without a unique solution has no bounds: its unknowns get nulls.
        const bool known = i < qsizetype(bounds.unknowns.size());
        const UnknownBounds u = known ? bounds.unknowns[static_cast<size_t>(i)] : UnknownBounds{};
        QJsonObject unknown = unknowns[i].toObject();
        const QJsonValue none(QJsonValue::Null);
        const bool bounded = bounds.bounded && known;
        unknown.insert(QStringLiteral("low"), bounded ? QJsonValue(u.low) : none);
        unknown.insert(QStringLiteral("high"), bounded ? QJsonValue(u.high) : none);
        unknown.insert(QStringLiteral("driver"),
                       u.driverRow == 0
                           ? none
                           : QJsonValue(QJsonObject{{QStringLiteral("row"), u.driverRow},
                                                    {QStringLiteral("column"), u.driverColumn}}));
        unknowns[i] = unknown;
    }
    check.insert(QStringLiteral("unknowns"), unknowns);
}

} // namespace korvel
