#include "reports/check_summary.h"

#include "reports/exact_text.h"
#include "text/significant_text.h"

#include <cmath>

namespace korvel {

namespace {

const QString No_Value = QString(QChar(0x2014)); // an em dash

QString Exact_Column(const Exact_Check& check, const Exact_Unknown& unknown, int index) {
    switch (check.kind) {
    case Solution_Kind::Unique:
        return Exact_Display(unknown.exact, unknown.rounded);
    case Solution_Kind::None:
        return QStringLiteral("no solution");
    case Solution_Kind::Infinite:
        for (int free : check.free_unknowns)
            if (free == index) return QStringLiteral("free");
        return QStringLiteral("see below");
    }
    return {};
}

// How many of a double's 16 digits a condition number of this size may cost.
QString Condition_Sentence(const Exact_Magnitude& condition) {
    QString line = QStringLiteral("Condition number (1-norm): ") + Condition_Text(condition);
    const int lost =
        std::isfinite(condition.nearest) ? int(std::floor(std::log10(condition.nearest))) : 16;
    if (lost <= 0) return line + QStringLiteral(".");
    return line +
           QStringLiteral(", so up to about %1 of the 16 digits of a 64-bit answer may be lost.")
               .arg(std::min(lost, 16));
}

// Three digits are enough to read; a residual beyond the double range keeps its exponent.
QString Residual_Text(const Exact_Magnitude& residual) {
    return residual.Beyond_Double() ? Scientific_Text(residual.rounded, 3)
                                    : Significant_Text(residual.nearest, 3);
}

QString Digits_Sentence(const Exact_Check& check) {
    const int weakest = *check.Weakest_Digits();
    if (weakest >= 15)
        return QStringLiteral("Every computed value is right to at least %1 significant digits.")
            .arg(weakest);
    if (weakest == 0) {
        int wrong = 0;
        for (const Exact_Unknown& unknown : check.unknowns)
            wrong += unknown.correct_digits == 0 ? 1 : 0;
        return QStringLiteral("%1 of the %2 computed values %3 no correct digit.")
            .arg(wrong)
            .arg(check.n)
            .arg(wrong == 1 ? QStringLiteral("has") : QStringLiteral("have"));
    }
    return QStringLiteral("The weakest computed value is right to only %1 significant %2.")
        .arg(weakest)
        .arg(weakest == 1 ? QStringLiteral("digit") : QStringLiteral("digits"));
}

} // namespace

std::vector<Check_Row> Check_Rows(const Exact_Check& check, const QString* names) {
    std::vector<Check_Row> rows;
    for (int i = 1; i <= check.n; ++i) {
        const Exact_Unknown& unknown = check.unknowns[size_t(i - 1)];
        Check_Row row;
        row.name = names[i];
        row.computed = unknown.computed ? Shortest_Double_Text(*unknown.computed)
                                        : QStringLiteral("not solved");
        row.exact = Exact_Column(check, unknown, i);
        row.digits = unknown.correct_digits ? QString::number(*unknown.correct_digits) : No_Value;
        rows.push_back(row);
    }
    return rows;
}

QStringList Check_Findings(const Exact_Check& check, const QString* names) {
    QStringList lines;
    switch (check.kind) {
    case Solution_Kind::Unique:
        lines << QStringLiteral("One solution. The exact values are those of the system "
                                "exactly as typed (0.1 is 1/10).");
        if (check.condition) lines << Condition_Sentence(*check.condition);
        if (check.Weakest_Digits()) lines << Digits_Sentence(check);
        break;
    case Solution_Kind::None:
        lines << QStringLiteral("The equations contradict each other: no solution.")
              << QStringLiteral("Rank of A: %1; rank of [A | C]: %2.")
                     .arg(check.rank)
                     .arg(check.rank_augmented);
        break;
    case Solution_Kind::Infinite:
        lines << QStringLiteral("The equations are dependent: infinitely many solutions "
                                "(rank %1 of %2).")
                     .arg(check.rank)
                     .arg(check.n)
              << Free_Unknowns_Text(check.free_unknowns, names) + QStringLiteral(";");
        for (const General_Unknown& unknown : check.general)
            lines << QStringLiteral("    ") + General_Equation(unknown, names);
        break;
    }
    if (check.residual)
        lines << QStringLiteral("Largest residual |A·x − C| of the computed answer: ") +
                     Residual_Text(*check.residual) + QStringLiteral(".");
    else
        lines << QStringLiteral("The solver gave no answer for the system as it stands.");
    return lines;
}

QString Check_Text(const Exact_Check& check, const QString* names) {
    QStringList lines{QStringLiteral("Unknown\tComputed value\tExact value\tCorrect digits")};
    for (const Check_Row& row : Check_Rows(check, names))
        lines << QStringList{row.name, row.computed, row.exact, row.digits}.join(QLatin1Char('\t'));
    lines << QString() << Check_Findings(check, names);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace korvel
