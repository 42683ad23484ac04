#include "reports/answer_status.h"

#include "reports/exact_text.h"
#include "text/number_text.h"

#include <QStringList>

#include <cmath>

namespace korvel {

namespace {

// A general solution of many unknowns does not fit the status area: the first few
// equations, and the check screen for the rest.
constexpr int Equations_Shown = 3;

QString Digits_Phrase(int digits) {
    return digits == 1 ? QStringLiteral("1 significant digit")
                       : QStringLiteral("%1 significant digits").arg(digits);
}

QString Weakest_Phrase(const QString& name, int digits) {
    if (digits == 0) return name + QStringLiteral(" has no correct significant digit");
    return name + QStringLiteral(" is right to only ") + Digits_Phrase(digits);
}

// A condition number c lets rounding cost up to about log10(c) digits, and a few more
// through the growth of the elimination's numbers.
bool Condition_Explains(int digits, double condition) {
    constexpr int Growth_Digits = 3;
    return digits + std::log10(std::fmax(condition, 1.0)) + Growth_Digits >= 16;
}

QString Singular_Text(const ExactCheck& check, const QString* names) {
    if (check.kind == SolutionKind::None)
        return QStringLiteral("The equations contradict each other: no solution (rank of A "
                              "is %1, rank of [A | C] is %2).")
            .arg(check.rank)
            .arg(check.rankAugmented);
    QString text = QStringLiteral("The equations are dependent: infinitely many solutions. ") +
                   Free_Unknowns_Text(check.freeUnknowns, names);
    QStringList equations;
    for (const GeneralUnknown& unknown : check.general) {
        if (equations.size() == Equations_Shown) {
            equations << QStringLiteral("\u2026");
            break;
        }
        equations << General_Equation(unknown, names);
    }
    if (!equations.isEmpty()) text += QStringLiteral("; ") + equations.join(QStringLiteral("; "));
    return text + QLatin1Char('.');
}

AnswerStatus Unique_Text(const SolveResult& solve, const ExactCheck& check, const QString* names) {
    const QString condition = Condition_Text(check.condition.value_or(0));
    const bool ill = check.condition.value_or(0) > Warning_Condition;
    if (solve.status != SolveResult::Status::Solved) {
        // The exact check has no overflow and no rounding: it finds the one solution.
        const QString why = solve.status == SolveResult::Status::ZeroPivot
                                ? QStringLiteral("the zero pivot came from rounding")
                                : QStringLiteral("the error came from 64-bit arithmetic");
        return {QStringLiteral("The exact check finds one solution (condition number %1): %2. "
                               "The exact values are in the details.")
                    .arg(condition, why),
                true};
    }
    const std::optional<int> weakest = check.Weakest_Digits();
    int weakest_unknown = 1;
    while (weakest_unknown < static_cast<int>(check.unknowns.size()) &&
           check.unknowns[static_cast<size_t>(weakest_unknown - 1)].correctDigits != weakest)
        ++weakest_unknown;
    const int digits = weakest.value_or(0);
    if (ill || digits < Warning_Digits) {
        const QString weakest_phrase = Weakest_Phrase(names[weakest_unknown], digits);
        const double value = check.condition.value_or(0);
        if (solve.underflow && !Condition_Explains(digits, value))
            return {QStringLiteral("Warning: numbers in the solve were too small for 64-bit "
                                   "arithmetic (underflow), and digits were lost with them "
                                   "(condition number %1). %2; the exact values are in the "
                                   "details.")
                        .arg(condition, weakest_phrase),
                    true};
        if (ill || Condition_Explains(digits, value))
            return {QStringLiteral("Warning: the equations are nearly singular (condition "
                                   "number %1). %2; the exact values are in the details.")
                        .arg(condition, weakest_phrase),
                    true};
        // Well conditioned: the rounding errors are small beside the largest value only.
        return {QStringLiteral("Warning: %2: it is small beside the largest value, whose "
                               "rounding error is about its size (condition number %1); the "
                               "exact values are in the details.")
                    .arg(condition, weakest_phrase),
                true};
    }
    if (digits >= 17)
        return {QStringLiteral("Checked exactly: every value is exact (condition number %1).")
                    .arg(condition),
                false};
    return {QStringLiteral("Checked exactly: every value is right to %1 (condition number %2).")
                .arg(Digits_Phrase(digits), condition),
            false};
}

} // namespace

AnswerStatus Describe_Answer(const SolveResult& solve, const ExactCheck& check,
                             const QString* names, const UnreadBoxes& unread) {
    AnswerStatus status = check.kind == SolutionKind::Unique
                              ? Unique_Text(solve, check, names)
                              : AnswerStatus{Singular_Text(check, names), true};
    if (check.kind != SolutionKind::Unique && solve.status == SolveResult::Status::Solved)
        status.text += QStringLiteral(" The numbers the solver found came from rounding errors "
                                      "and are not shown.");
    if (unread.count > 0) {
        status.text += unread.count == 1
                           ? QStringLiteral(" 1 box held text that was not read: %1 (%2).")
                                 .arg(unread.firstBox, unread.firstWhy)
                           : QStringLiteral(" %1 boxes held text that was not read; the first "
                                            "is %2 (%3).")
                                 .arg(unread.count)
                                 .arg(unread.firstBox, unread.firstWhy);
        status.warning = true;
    }
    return status;
}

QString Unread_Why(double read_as, const QString& unread) {
    return QStringLiteral("Read as %1: \"%2\" was ignored").arg(Number_Digits(read_as), unread);
}

} // namespace korvel
