#include "model/exact_text.h"

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

QString General_Equation(const General_Unknown& unknown, const QString* names) {
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

QString Condition_Text(double condition) {
    if (!std::isfinite(condition)) return QStringLiteral("infinite");
    if (condition < 1e5) return QString::number(std::round(condition), 'f', 0);
    QString text = QString::number(condition, 'E', 1); // "3.4E+05"
    return text;
}

} // namespace korvel
