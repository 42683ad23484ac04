#include "reports/elimination_text.h"

#include "model/simq.h"
#include "text/significant_text.h"

#include <QStringList>

namespace korvel {

namespace {

// Wide enough for the longest 6-digit value, "-1.23457E-100", and a gap.
constexpr int Cell_Width = 14;

QString Cell(const QString& text) {
    return text.rightJustified(Cell_Width - 1).prepend(QLatin1Char(' '));
}

QString Step_Heading(const EliminationStep& step) {
    QString line = QStringLiteral("Column %1: pivot row %2, magnitude %3; ")
                       .arg(step.column)
                       .arg(step.pivotRow)
                       .arg(Significant_Text(step.pivotMagnitude));
    if (step.exchanged)
        line += QStringLiteral("rows %1 and %2 exchanged.").arg(step.column).arg(step.pivotRow);
    else
        line += QStringLiteral("no exchange.");
    return line;
}

QString Stop_Text(const EliminationRecord& record) {
    const int k = record.stopColumn;
    if (record.end == EliminationRecord::End::Zero_Pivot) {
        const QString where = k < record.n
                                  ? QStringLiteral("Column %1: every pivot candidate is 0.").arg(k)
                                  : QStringLiteral("The last diagonal element is 0.");
        return where + QStringLiteral("\nThe solver stops here: \"") + Zero_Pivot_Message(k) +
               QStringLiteral("\".");
    }
    const QString where = k < record.n ? QStringLiteral("in the elimination of column %1").arg(k)
                                       : QStringLiteral("in the back substitution");
    return QStringLiteral("A result that is not finite (an overflow or an invalid operation) "
                          "came up %1: the solver stops with a run-time error.")
        .arg(where);
}

} // namespace

QString Reduced_System_Text(const ReducedSystem& system, const QString* names) {
    const int n = int(system.c.size());
    QString heading;
    for (int j = 1; j <= n; ++j)
        heading += Cell(names[j]);
    QStringList lines{heading + QStringLiteral(" |") + Cell(QStringLiteral("C"))};
    for (int i = 0; i < n; ++i) {
        QString line;
        for (int j = 0; j < n; ++j)
            line += Cell(Significant_Text(system.a[i][j]));
        lines << line + QStringLiteral(" |") + Cell(Significant_Text(system.c[i]));
    }
    return lines.join(QLatin1Char('\n'));
}

QString Elimination_Text(const EliminationRecord& record, const QString* names) {
    QStringList parts;
    parts << QStringLiteral(
        "Gaussian elimination with partial pivoting, as the solver runs it, "
        "values to 6 significant digits.\n"
        "In each column the candidate of largest magnitude is the pivot "
        "(of equal ones the upper).\n"
        "The solver writes each reduced row negated, A(k,j)·A(i,k)/A(k,k) − A(i,j); "
        "the solution is the same.");
    if (record.start.c.empty()) {
        parts << QStringLiteral("The solver cannot run on %1 equations (it takes 1 to 16).")
                     .arg(record.n);
        return parts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
    }
    parts << QStringLiteral("The system [A | C]:\n") + Reduced_System_Text(record.start, names);
    for (const EliminationStep& step : record.steps) {
        if (step.pivotRow == 0) continue; // the zero pivot: said below
        QString part = Step_Heading(step);
        if (!step.after.c.empty())
            part += QLatin1Char('\n') + Reduced_System_Text(step.after, names);
        parts << part;
    }
    if (record.end != EliminationRecord::End::Solved) {
        parts << Stop_Text(record);
        return parts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
    }
    QStringList back{QStringLiteral("Back substitution, from the last equation up:")};
    for (const auto& [unknown, value] : record.backSubstitution)
        back << QStringLiteral("  ") + names[unknown] + QStringLiteral(" = ") +
                    Significant_Text(value);
    parts << back.join(QLatin1Char('\n'));
    return parts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

} // namespace korvel
