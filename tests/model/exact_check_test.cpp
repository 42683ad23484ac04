// The exact check against systems whose exact answers are known.
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "reports/exact_text.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace korvel;

using System = korvel::testing::TestSystem;
using korvel::testing::Rows_System;

TEST(ExactCheck, DefaultSystemIsUniqueAndRightToFifteenDigits) {
    System s = Rows_System(3, {{2, 3, -1, 5}, {4, 4, -3, 3}, {-2, 3, -1, 1}});
    ASSERT_TRUE(s.Solve().solved);
    const ExactCheck check = Check_System(3, s.a, s.c, s.x);
    EXPECT_EQ(check.kind, SolutionKind::Unique);
    EXPECT_EQ(check.rank, 3);
    ASSERT_EQ(check.unknowns.size(), 3u);
    EXPECT_EQ(check.unknowns[0].exact, QStringLiteral("1"));
    EXPECT_EQ(check.unknowns[1].exact, QStringLiteral("2"));
    EXPECT_EQ(check.unknowns[2].exact, QStringLiteral("3"));
    for (const ExactUnknown& u : check.unknowns)
        EXPECT_GE(*u.correctDigits, 15);
    ASSERT_TRUE(check.condition.has_value());
    EXPECT_GT(*check.condition, 1.0);
    ASSERT_TRUE(check.residual.has_value());
    EXPECT_LT(*check.residual, 1e-14);
}

TEST(ExactCheck, DependentEquationsGiveTheGeneralSolution) {
    const System s = Rows_System(2, {{1, 2, 3}, {2, 4, 6}});
    const ExactCheck check = Check_System(2, s.a, s.c, nullptr);
    EXPECT_EQ(check.kind, SolutionKind::Infinite);
    EXPECT_EQ(check.rank, 1);
    EXPECT_EQ(check.rankAugmented, 1);
    ASSERT_EQ(check.freeUnknowns, std::vector<int>{2});
    ASSERT_EQ(check.general.size(), 1u);
    EXPECT_EQ(check.general[0].unknown, 1);
    EXPECT_EQ(check.general[0].constant, QStringLiteral("3"));
    ASSERT_EQ(check.general[0].terms.size(), 1u);
    EXPECT_EQ(check.general[0].terms[0], std::make_pair(2, QStringLiteral("-2")));
    EXPECT_FALSE(check.condition.has_value());
    EXPECT_FALSE(check.residual.has_value());
}

TEST(ExactCheck, InconsistentEquationsHaveNoSolutionAndTwoRanks) {
    const System s = Rows_System(2, {{1, 2, 3}, {2, 4, 7}});
    const ExactCheck check = Check_System(2, s.a, s.c, nullptr);
    EXPECT_EQ(check.kind, SolutionKind::None);
    EXPECT_EQ(check.rank, 1);
    EXPECT_EQ(check.rankAugmented, 2);
    EXPECT_TRUE(check.general.empty());
    EXPECT_TRUE(check.freeUnknowns.empty());
}

TEST(ExactCheck, ZeroMatrixLeavesEveryUnknownFree) {
    const System s = Rows_System(3, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    const ExactCheck check = Check_System(3, s.a, s.c, nullptr);
    EXPECT_EQ(check.kind, SolutionKind::Infinite);
    EXPECT_EQ(check.rank, 0);
    EXPECT_EQ(check.freeUnknowns, (std::vector<int>{1, 2, 3}));
}

TEST(ExactCheck, TypedDecimalsAreTakenExactly) {
    // x = c is exactly the fraction that c's shortest decimal stands for.
    const auto exact_of = [](double value) {
        const System s = Rows_System(1, {{1, value}});
        return Check_System(1, s.a, s.c, nullptr).unknowns[0].exact;
    };
    EXPECT_EQ(exact_of(0.1), QStringLiteral("1/10"));
    EXPECT_EQ(exact_of(-2.5e-3), QStringLiteral("-1/400"));
    EXPECT_EQ(exact_of(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(exact_of(0.0), QStringLiteral("0"));
    // 0.1 x = 0.3 is exactly x = 3, although 0.3 / 0.1 is not 3 in 64-bit floats.
    const System s = Rows_System(2, {{0.1, 0, 0.3}, {0, 1, 1}});
    const ExactCheck check = Check_System(2, s.a, s.c, nullptr);
    EXPECT_EQ(check.unknowns[0].exact, QStringLiteral("3"));
    EXPECT_EQ(check.unknowns[0].rounded, QStringLiteral("3"));
}

TEST(ExactCheck, ExactValuesRoundCorrectlyToSeventeenDigits) {
    const System s = Rows_System(2, {{3, 0, 1}, {0, 3, -2e-7}});
    const ExactCheck check = Check_System(2, s.a, s.c, nullptr);
    EXPECT_EQ(check.unknowns[0].exact, QStringLiteral("1/3"));
    EXPECT_EQ(check.unknowns[0].rounded, QStringLiteral("0.33333333333333333"));
    EXPECT_EQ(check.unknowns[1].exact, QStringLiteral("-1/15000000"));
    EXPECT_EQ(check.unknowns[1].rounded, QStringLiteral("-6.6666666666666667e-08"));
}

TEST(ExactCheck, CorrectDigitsCountTheRelativeError) {
    // x = exact, answered with computed.
    const auto digits = [](double computed, double exact) {
        const System s = Rows_System(1, {{1, exact}});
        const double answer[Array_Size] = {0, computed};
        return *Check_System(1, s.a, s.c, answer).unknowns[0].correctDigits;
    };
    EXPECT_EQ(digits(1.0, 1), 17);
    EXPECT_EQ(digits(1.0000000000000002, 1), 15);
    EXPECT_EQ(digits(1.001, 1), 3);
    EXPECT_EQ(digits(1.02, 1), 1);
    EXPECT_EQ(digits(-1.0, 1), 0);
    EXPECT_EQ(digits(0.1, 0.1), 16); // 0.1 against 1/10
    EXPECT_EQ(digits(1e-300, 0), 0);
}

TEST(ExactCheck, HilbertMatrixIsIllConditionedAndItsDigitsArePoor) {
    // Entries 1/(i+j-1) typed to 15 significant digits, right-hand side the row sums, so
    // the typed system's exact answer is close to, but not exactly, all ones.
    System s;
    s.n = 12;
    for (int i = 1; i <= 12; ++i) {
        for (int j = 1; j <= 12; ++j) {
            const QString typed = QString::number(1.0 / (i + j - 1), 'g', 15);
            s.a[i][j] = typed.toDouble();
            s.c[i] += s.a[i][j];
        }
    }
    ASSERT_TRUE(s.Solve().solved);
    const ExactCheck check = Check_System(12, s.a, s.c, s.x);
    EXPECT_EQ(check.kind, SolutionKind::Unique);
    ASSERT_TRUE(check.condition.has_value());
    EXPECT_GT(*check.condition, 1e15);
    ASSERT_TRUE(check.Weakest_Digits().has_value());
    EXPECT_LE(*check.Weakest_Digits(), 8);
    // Each unknown's count agrees with its own exact value.
    for (const ExactUnknown& u : check.unknowns)
        EXPECT_EQ(*u.correctDigits, std::clamp(int(std::floor(-std::log10(std::abs(
                                                   *u.computed / Nearest_Double(u.exact) - 1)))),
                                               0, 17));
}

TEST(ExactCheck, ConditionNumberIsExactForRowsOfDifferentDenominators) {
    // [1/2 1/4; 1/10 1]: inverse [1 -1/4; -1/10 1/2] / (19/40), so 5/4 * (11/10) / (19/40).
    const System two = Rows_System(2, {{0.5, 0.25, 1}, {0.1, 1, 1}});
    EXPECT_DOUBLE_EQ(*Check_System(2, two.a, two.c, nullptr).condition, 55.0 / 19);
    // Lower triangular with halves and quarters: the inverse is [1 0 0; -1/2 1 0; 0 -1/2 1],
    // so 7/4 * 3/2.
    const System three = Rows_System(3, {{1, 0, 0, 1}, {0.5, 1, 0, 1}, {0.25, 0.5, 1, 1}});
    EXPECT_DOUBLE_EQ(*Check_System(3, three.a, three.c, nullptr).condition, 21.0 / 8);
    // A negative determinant: [0 1; 1 0] is its own inverse.
    const System swap = Rows_System(2, {{0, 1, 1}, {1, 0, 1}});
    EXPECT_DOUBLE_EQ(*Check_System(2, swap.a, swap.c, nullptr).condition, 1.0);
}

TEST(ExactCheck, ResidualIsExactForLargeAndSmallAnswers) {
    // Every value above 2^53, so whole numbers only: off by one step (32) in the second.
    const System large = Rows_System(2, {{1, 0, 1e17}, {0, 1, 2e17}});
    const double off[Array_Size] = {0, 1e17, 2e17 + 32};
    EXPECT_EQ(*Check_System(2, large.a, large.c, off).residual, 32.0);
    // 0.1 * 3 - 0.3 is exactly 0 for the typed decimals; 3 * (1/3 as a double) - 1 is
    // -2^-54 exactly, although it rounds to 0 in 64-bit arithmetic.
    const System small = Rows_System(2, {{0.1, 0, 0.3}, {0, 3, 1}});
    const double third[Array_Size] = {0, 3, 1.0 / 3};
    EXPECT_EQ(*Check_System(2, small.a, small.c, third).residual, 0x1p-54);
    const double exact[Array_Size] = {0, 3, 0.5};
    EXPECT_EQ(*Check_System(2, small.a, small.c, exact).residual, 0.5);
}

// An unknown that is exactly 0 is measured against the solution's largest value: a
// rounding error of 1e-17 in place of 0 is right to about 16 digits, not to none.
TEST(ExactCheck, AnExactZeroIsMeasuredAgainstTheLargestValue) {
    const System s = Rows_System(2, {{0.1, 0.2, 0.1}, {0.3, 0.4, 0.3}}); // x = (1, 0)
    const double near[Array_Size] = {0, 1, 1e-17};
    const ExactCheck check = Check_System(2, s.a, s.c, near);
    ASSERT_EQ(check.unknowns[1].exact, QStringLiteral("0"));
    EXPECT_EQ(check.unknowns[1].correctDigits, 17);
    const double off[Array_Size] = {0, 1, 1e-3};
    EXPECT_EQ(Check_System(2, s.a, s.c, off).unknowns[1].correctDigits, 3);
    const double zero[Array_Size] = {0, 1, 0};
    EXPECT_EQ(Check_System(2, s.a, s.c, zero).unknowns[1].correctDigits, 17);
    // An all-zero solution leaves nothing to measure against: only 0 itself is right.
    const System homogeneous = Rows_System(2, {{1, 2, 0}, {3, 4, 0}});
    const double tiny[Array_Size] = {0, 1e-300, 0};
    EXPECT_EQ(Check_System(2, homogeneous.a, homogeneous.c, tiny).unknowns[0].correctDigits, 0);
}

// Values at the ends of the double range give exact values, condition numbers and digit
// counts far beyond it: each is found on the exact numbers, never through a double.
TEST(ExactCheck, ValuesAtTheEndsOfTheDoubleRangeAreCheckedExactly) {
    struct Row {
        std::initializer_list<std::initializer_list<double>> rows;
        const char* roundedX1;
        const char* condition;
    } const rows[] = {
        {{{4.9e-324, 0, 1}, {0, 1, 1}}, "2e+323", "2.0E+323"},
        {{{1e10, 0, 4.9e-324}, {0, 1, 1}}, "5e-334", "1.0E+10"},
        {{{4.9e-324, 0, 1}, {0, 1e308, 1e308}}, "2e+323", "2.0E+631"},
        {{{-3e-300, 0, 7e300}, {0, 1, 1}}, "-2.3333333333333333e+600", "3.3E+299"},
    };
    for (const Row& row : rows) {
        System s = Rows_System(2, row.rows);
        s.Solve();
        const ExactCheck check = s.Check();
        ASSERT_EQ(check.kind, SolutionKind::Unique) << row.roundedX1;
        EXPECT_EQ(check.unknowns[0].rounded, QLatin1String(row.roundedX1));
        EXPECT_EQ(Condition_Text(*check.condition), QLatin1String(row.condition));
    }
}

// The condition number and the residual are the nearest doubles to their exact values.
TEST(ExactCheck, ExactValuesRoundToTheNearestDouble) {
    const QString zeros = QString(292, QLatin1Char('0'));
    const struct {
        QString fraction;
        double nearest;
    } rows[] = {
        {QStringLiteral("16/5"), 3.2},
        {QStringLiteral("-1/10"), -0.1},
        {QStringLiteral("9007199254740993"), 9007199254740992.0}, // a half: to even
        {QStringLiteral("9007199254740995"), 9007199254740996.0},
        {QStringLiteral("3/1") + QString(324, QLatin1Char('0')), 4.9e-324},
        {QStringLiteral("1/1") + QString(324, QLatin1Char('0')), 0.0},
        {QStringLiteral("17976931348623158") + zeros, 1.7976931348623157e308},
        {QStringLiteral("17976931348623159") + zeros, std::numeric_limits<double>::infinity()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Nearest_Double(row.fraction), row.nearest) << row.fraction.toStdString();
    const System sixteen_fifths = Rows_System(2, {{16, 0, 1}, {0, 5, 1}});
    EXPECT_EQ(*sixteen_fifths.Check().condition, 3.2);
    const System tenth = Rows_System(2, {{0.1, 0, 0}, {0, 1, 0}});
    const double one[Array_Size] = {0, 1, 0};
    EXPECT_EQ(*Check_System(2, tenth.a, tenth.c, one).residual, 0.1);
}
