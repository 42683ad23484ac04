#include "reports/check_report.h"

#include "reports/exact_text.h"
#include "text/shortest_text.h"

#include <QStringList>

namespace korvel {

namespace {

// A value the check does not know, in a table cell.
const QString Unknown_Cell = QStringLiteral("-");

QString Optional_Number(const std::optional<double>& value) {
    return value ? Shortest_Text(*value) : Unknown_Cell;
}

QString Classification(const ExactCheck& check) {
    switch (check.kind) {
    case SolutionKind::Unique:
        return QStringLiteral("Unique solution.");
    case SolutionKind::Infinite:
        return QStringLiteral("The equations are dependent: infinitely many solutions.");
    case SolutionKind::None:
        return QStringLiteral("The equations contradict each other: no solution.");
    }
    return {};
}

void Add_Unknowns_Table(const ExactCheck& check, const QString* names, QStringList& lines) {
    lines << QStringLiteral("Unknown\tComputed\tExact\tCorrect digits");
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[static_cast<size_t>(i - 1)];
        const QString digits =
            unknown.correctDigits ? QString::number(*unknown.correctDigits) : Unknown_Cell;
        lines << QStringList{names[i], Optional_Number(unknown.computed),
                             Exact_Display(unknown.exact, unknown.rounded), digits}
                     .join(QLatin1Char('\t'));
    }
    lines << QStringLiteral("Condition number\t") +
                 (check.condition ? Condition_Text(*check.condition) : Unknown_Cell);
}

void Add_General_Solution(const ExactCheck& check, const QString* names, QStringList& lines) {
    lines << Free_Unknowns_Text(check.freeUnknowns, names) + QLatin1Char('.');
    for (const GeneralUnknown& unknown : check.general)
        lines << General_Equation(unknown, names);
}

} // namespace

QString Check_Report_Text(const ExactCheck& check, const QString* names) {
    QStringList lines{Classification(check)};
    switch (check.kind) {
    case SolutionKind::Unique:
        Add_Unknowns_Table(check, names, lines);
        break;
    case SolutionKind::Infinite:
        Add_General_Solution(check, names, lines);
        break;
    case SolutionKind::None:
        break;
    }
    if (check.kind != SolutionKind::Unique) {
        lines << QStringLiteral("Rank of A\t%1").arg(check.rank)
              << QStringLiteral("Rank of [A | C]\t%1").arg(check.rankAugmented);
    }
    // Without a unique solution the residual still tells how far the solver's answer, when
    // it gave one, is from satisfying the equations.
    if (check.kind == SolutionKind::Unique || check.residual)
        lines << QStringLiteral("Largest residual\t") +
                     (check.residual ? Magnitude_Text(*check.residual) : Unknown_Cell);
    if (!check.unknowns.empty() && !check.unknowns.front().computed)
        lines << QStringLiteral("The solver stopped without an answer.");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace korvel
