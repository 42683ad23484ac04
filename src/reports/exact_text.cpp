#include "reports/exact_text.h"

#include "text/shortest_text.h"

#include <QStringList>

#include <cmath>

namespace korvel {

namespace {

const QChar Minus(0x2212);
const QChar Dot(0x00B7);

bool Is_Negative(const QString& fraction) {
    return fraction.startsWith(QLatin1Char('-'));
}

QString Without_Sign(const QString& fraction) {
    return Is_Negative(fraction) ? fraction.mid(1) : fraction;
}

} // namespace

QString Exact_Display(const QString& fraction, const QString& rounded) {
    const QStringList parts = Without_Sign(fraction).split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part.size() > 12) return rounded;
    return fraction;
}

QString Fraction_For_Reading(const QString& fraction) {
    return Is_Negative(fraction) ? Minus + fraction.mid(1) : fraction;
}

QString General_Equation(const GeneralUnknown& unknown, const QString* names) {
    QString right;
    const bool constant_shown = unknown.constant != QLatin1String("0") || unknown.terms.empty();
    if (constant_shown) right = Fraction_For_Reading(unknown.constant);
    for (const auto& [free, factor] : unknown.terms) {
        const bool negative = Is_Negative(factor);
        const QString size = Without_Sign(factor);
        if (right.isEmpty())
            right = negative ? QString(Minus) : QString();
        else
            right += negative ? QStringLiteral(" %1 ").arg(Minus) : QStringLiteral(" + ");
        if (size != QLatin1String("1")) right += size + Dot;
        right += names[free];
    }
    return names[unknown.unknown] + QStringLiteral(" = ") + right;
}

QString Free_Unknowns_Text(const std::vector<int>& free_unknowns, const QString* names) {
    QStringList listed;
    for (int unknown : free_unknowns)
        listed << names[unknown];
    QString joined;
    if (listed.size() <= 1) {
        joined = listed.value(0);
    } else {
        const QString last = listed.takeLast();
        joined = listed.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    }
    return joined + QStringLiteral(" can be chosen freely");
}

QString Condition_Text(const ExactMagnitude& condition) {
    if (condition.Beyond_Double()) return Scientific_Text(condition.rounded, 2);
    if (!std::isfinite(condition.nearest)) return QStringLiteral("infinite");
    if (condition < 1e5) return QString::number(std::round(condition.nearest), 'f', 0);
    return QString::number(condition.nearest, 'E', 1); // "3.4E+05"
}

QString Magnitude_Text(const ExactMagnitude& magnitude) {
    return magnitude.Beyond_Double() ? magnitude.rounded : Shortest_Text(magnitude.nearest);
}

QString Scientific_Text(const QString& rounded, int digits) {
    // "d.ddd…e±x": the digits and the power of ten of the first one.
    const qsizetype e = rounded.indexOf(QLatin1Char('e'));
    if (e < 0) return rounded; // within the double range: written out already
    QString mantissa = rounded.left(e).remove(QLatin1Char('.')).remove(QLatin1Char('-'));
    long exponent = rounded.mid(e + 1).toLong();
    mantissa = mantissa.leftJustified(digits + 1, QLatin1Char('0'));
    QString kept = mantissa.left(digits);
    if (mantissa[digits] >= QLatin1Char('5')) {
        // Carry into the kept digits; all nines become 1 followed by zeros, one power up.
        int i = digits - 1;
        for (; i >= 0 && kept[i] == QLatin1Char('9'); --i)
            kept[i] = QLatin1Char('0');
        if (i >= 0) {
            kept[i] = QChar(kept[i].unicode() + 1);
        } else {
            kept.prepend(QLatin1Char('1')).chop(1);
            ++exponent;
        }
    }
    const QString sign = rounded.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    QString text = sign + kept.left(1);
    if (digits > 1) text += QLatin1Char('.') + kept.mid(1);
    return text + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QString::number(exponent < 0 ? -exponent : exponent).rightJustified(2, QLatin1Char('0'));
}

} // namespace korvel
