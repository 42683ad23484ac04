#include "reports/check_summary.h"

#include "reports/exact_text.h"
#include "text/significant_text.h"

#include <cmath>

namespace korvel {

namespace {

const QString No_Value = QString(QChar(0x2014)); // an em dash

QString Exact_Column(const ExactCheck& check, const ExactUnknown& unknown, int index) {
    switch (check.kind) {
    case SolutionKind::Unique:
        return Exact_Display(unknown.exact, unknown.rounded);
    case SolutionKind::None:
        return QStringLiteral("no solution");
    case SolutionKind::Infinite:
        for (int free : check.freeUnknowns)
            if (free == index) return QStringLiteral("free");
        return QStringLiteral("see below");
    }
    return {};
}

// How many of a double's 16 digits a condition number of this size may cost.
QString Condition_Sentence(const ExactMagnitude& condition) {
    QString line = QStringLiteral("Condition number (1-norm): ") + Condition_Text(condition);
    const int lost =
        std::isfinite(condition.nearest) ? int(std::floor(std::log10(condition.nearest))) : 16;
    if (lost <= 0) return line + QStringLiteral(".");
    return line +
           QStringLiteral(", so up to about %1 of the 16 digits of a 64-bit answer may be lost.")
               .arg(std::min(lost, 16));
}

// Three digits are enough to read; a residual beyond the double range keeps its exponent.
QString Residual_Text(const ExactMagnitude& residual) {
    return residual.Beyond_Double() ? Scientific_Text(residual.rounded, 3)
                                    : Significant_Text(residual.nearest, 3);
}

QString Digits_Sentence(const ExactCheck& check) {
    const int weakest = *check.Weakest_Digits();
    if (weakest >= 15)
        return QStringLiteral("Every computed value is right to at least %1 significant digits.")
            .arg(weakest);
    if (weakest == 0) {
        int wrong = 0;
        for (const ExactUnknown& unknown : check.unknowns)
            wrong += unknown.correctDigits == 0 ? 1 : 0;
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

std::vector<CheckRow> Check_Rows(const ExactCheck& check, const QString* names) {
    std::vector<CheckRow> rows;
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[size_t(i - 1)];
        CheckRow row;
        row.name = names[i];
        row.computed = unknown.computed ? Shortest_Double_Text(*unknown.computed)
                                        : QStringLiteral("not solved");
        row.exact = Exact_Column(check, unknown, i);
        row.digits = unknown.correctDigits ? QString::number(*unknown.correctDigits) : No_Value;
        rows.push_back(row);
    }
    return rows;
}

QStringList Check_Findings(const ExactCheck& check, const QString* names) {
    QStringList lines;
    switch (check.kind) {
    case SolutionKind::Unique:
        lines << QStringLiteral("One solution. The exact values are those of the system "
                                "exactly as typed (0.1 is 1/10).");
        if (check.condition) lines << Condition_Sentence(*check.condition);
        if (check.Weakest_Digits()) lines << Digits_Sentence(check);
        break;
    case SolutionKind::None:
        lines << QStringLiteral("The equations contradict each other: no solution.")
              << QStringLiteral("Rank of A: %1; rank of [A | C]: %2.")
                     .arg(check.rank)
                     .arg(check.rankAugmented);
        break;
    case SolutionKind::Infinite:
        lines << QStringLiteral("The equations are dependent: infinitely many solutions "
                                "(rank %1 of %2).")
                     .arg(check.rank)
                     .arg(check.n)
              << Free_Unknowns_Text(check.freeUnknowns, names) + QStringLiteral(";");
        for (const GeneralUnknown& unknown : check.general)
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

QString Check_Text(const ExactCheck& check, const QString* names) {
    QStringList lines{QStringLiteral("Unknown\tComputed value\tExact value\tCorrect digits")};
    for (const CheckRow& row : Check_Rows(check, names))
        lines << QStringList{row.name, row.computed, row.exact, row.digits}.join(QLatin1Char('\t'));
    lines << QString() << Check_Findings(check, names);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace korvel
