// What an answer is worth, in a few plain words for the entry screen after every Solve:
// how many digits are right, a warning for nearly singular equations, and after a failed
// solve whether the equations have no solution or infinitely many.
#pragma once

#include "model/exact_check.h"
#include "model/solve_result.h"

#include <QString>

namespace korvel {

// The first box whose text was not all read, and how many such boxes there were.
struct UnreadBoxes {
    int count = 0;
    QString firstBox; // "row 2, column 3" or "row 2, constant"
    QString firstWhy; // "Read as 1: \",5\" was ignored"
};

struct AnswerStatus {
    QString text;         // one or two sentences
    bool warning = false; // worth the user's attention: shown as a warning
};

// Equations this badly conditioned, or answers with this few correct digits, are worth a
// warning: more than half of a 64-bit float's digits are at risk.
constexpr double Warning_Condition = 1e8;
constexpr int Warning_Digits = 8;

// names are read at names[1..n].
AnswerStatus Describe_Answer(const SolveResult& solve, const ExactCheck& check,
                             const QString* names, const UnreadBoxes& unread);

// "Read as 1: \",5\" was ignored" for a box whose text was not all read.
QString Unread_Why(double read_as, const QString& unread);

} // namespace korvel
