// The words the entry screen shows after a Solve, from the exact check of known systems.
#include "model/simq.h"
#include "reports/answer_status.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

using namespace korvel;
using korvel::testing::TestSystem;

namespace {

// A system solved by SimQ, with the unknowns named X 1, X 2, ...
struct SolvedSystem : korvel::testing::TestSystem {
    QString names[Array_Size];

    AnswerStatus Status(const UnreadBoxes& unread = {}) const {
        return Describe_Answer(result, Check(), names, unread);
    }
};

SolvedSystem Solve(int n, const std::function<double(int, int)>& a,
                   const std::function<double(int)>& c) {
    SolvedSystem s;
    static_cast<korvel::testing::TestSystem&>(s) = korvel::testing::Function_System(n, a, c);
    for (int i = 1; i <= n; ++i)
        s.names[i] = QStringLiteral("X %1").arg(i);
    s.Solve();
    return s;
}

} // namespace

TEST(AnswerStatus, WellConditionedAnswersSayHowManyDigitsAreRight) {
    const double a[3][3] = {{2, 3, -1}, {4, 4, -3}, {-2, 3, -1}};
    const double c[3] = {5, 3, 1};
    const auto coefficient = [&](int i, int j) { return a[i - 1][j - 1]; };
    const SolvedSystem s = Solve(3, coefficient, [&](int i) { return c[i - 1]; });
    const AnswerStatus status = s.Status();
    EXPECT_FALSE(status.warning);
    EXPECT_TRUE(status.text.startsWith(QStringLiteral("Checked exactly: every value is ")))
        << status.text.toStdString();
    EXPECT_TRUE(status.text.contains(QStringLiteral("(condition number ")))
        << status.text.toStdString();
}

TEST(AnswerStatus, HilbertTwelveIsAWarningNamingTheWeakestUnknown) {
    const SolvedSystem s = Solve(
        12,
        [](int i, int j) {
            return QString::number(1.0 / (i + j - 1), 'g', 15).toDouble(); // typed to 15 digits
        },
        [](int) { return 1.0; });
    ASSERT_EQ(s.result.status, SolveResult::Status::Solved);
    const ExactCheck check = s.Check();
    ASSERT_TRUE(check.condition.has_value());
    EXPECT_GT(*check.condition, 1e15);
    const AnswerStatus status = s.Status();
    EXPECT_TRUE(status.warning);
    EXPECT_TRUE(status.text.startsWith(
        QStringLiteral("Warning: the equations are nearly singular (condition number ")))
        << status.text.toStdString();
    const int weakest = *check.Weakest_Digits();
    EXPECT_LT(weakest, Warning_Digits);
    // Hilbert 12 typed to 15 digits is beyond 64-bit floats: not one digit of X 1 is right.
    EXPECT_EQ(weakest, 0);
    EXPECT_TRUE(status.text.contains(QStringLiteral(
        "(condition number 4.9E+16). X 1 has no correct significant digit; the exact values")))
        << status.text.toStdString();
}

TEST(AnswerStatus, FailedSolvesAreExplainedByTheExactCheck) {
    // No solution: the two ranks.
    const double inconsistent[2][3] = {{1, 2, 3}, {2, 4, 7}};
    const SolvedSystem none = Solve(
        2, [&](int i, int j) { return inconsistent[i - 1][j - 1]; },
        [&](int i) { return inconsistent[i - 1][2]; });
    ASSERT_EQ(none.result.status, SolveResult::Status::ZeroPivot);
    EXPECT_EQ(none.Status().text,
              QStringLiteral("The equations contradict each other: no solution (rank of A is 1, "
                             "rank of [A | C] is 2)."));

    // Overflow in 64-bit arithmetic, none in exact arithmetic: the one solution is found.
    const SolvedSystem huge = Solve(
        2, [](int i, int j) { return i == 2 && j == 2 ? -1e308 : 1e308; },
        [](int i) { return i == 1 ? 1e308 : 0.0; });
    ASSERT_EQ(huge.result.status, SolveResult::Status::RunTimeError);
    const AnswerStatus overflow = huge.Status();
    EXPECT_TRUE(overflow.text.startsWith(QStringLiteral("The exact check finds one solution")))
        << overflow.text.toStdString();
    EXPECT_EQ(huge.Check().unknowns[0].exact, QStringLiteral("1/2"));

    // Many free unknowns: the first equations only, the rest on the check screen.
    const auto firstRowOnly = [](int i, int) { return i == 1 ? 1.0 : 0.0; };
    const SolvedSystem zero = Solve(5, firstRowOnly, [](int) { return 0.0; });
    const AnswerStatus status = zero.Status(
        {1, QStringLiteral("row 2, constant"), QStringLiteral("Read as 0: \"x\" was ignored")});
    EXPECT_TRUE(status.text.contains(QStringLiteral("X 2, X 3, X 4 and X 5 can be chosen freely")))
        << status.text.toStdString();
    EXPECT_TRUE(status.text.endsWith(QStringLiteral(
        " 1 box held text that was not read: row 2, constant (Read as 0: \"x\" was ignored).")))
        << status.text.toStdString();
}

// When digits are lost the words name the cause: underflow or, for well-conditioned
// equations, a value small beside the largest, not nearly singular equations.
TEST(AnswerStatus, LostDigitsAreBlamedOnTheirCause) {
    struct Case {
        TestSystem system;
        const char* start;
    };
    const Case cases[] = {
        // X 1 = 1E-320 / 3 is subnormal: 3 digits are all a double holds there.
        {korvel::testing::Rows_System(2, {{3, 0, 1e-320}, {0, 1, 1}}),
         "Warning: numbers in the solve were too small for 64-bit arithmetic (underflow)"},
        // X 3 is near 1E-13: the rounding errors of X 1 and X 2 near 1 reach its digits.
        {korvel::testing::Rows_System(3, {{1, 2, 3, 1.0 / 3 + 4.0 / 3 + 3e-13},
                                          {4, 5, 6, 4.0 / 3 + 10.0 / 3 + 6e-13},
                                          {7, 8, 10, 7.0 / 3 + 16.0 / 3 + 1e-12}}),
         "Warning: X 3 "},
    };
    for (const Case& c : cases) {
        SolvedSystem s;
        static_cast<TestSystem&>(s) = c.system;
        for (int i = 1; i <= s.n; ++i)
            s.names[i] = QStringLiteral("X %1").arg(i);
        s.Solve();
        const AnswerStatus status = s.Status();
        EXPECT_TRUE(status.warning);
        EXPECT_TRUE(status.text.startsWith(QString::fromUtf8(c.start)))
            << status.text.toStdString();
    }
}
