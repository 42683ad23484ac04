// The check laid out for the check screen: the table of unknowns and the findings, on
// systems whose exact answers are known, with and without SimQ's answer.
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "reports/check_summary.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace korvel;

namespace {

using System = korvel::testing::TestSystem;

// SimQ's answer beside the system: A row by row, then C.
System Make(int n, const std::vector<std::vector<double>>& a, const std::vector<double>& c) {
    return korvel::testing::Function_System(
               n, [&](int i, int j) { return a[size_t(i - 1)][size_t(j - 1)]; },
               [&](int i) { return c[size_t(i - 1)]; })
        .Solve();
}

ExactCheck Check(const System& s) {
    return s.Check();
}

QString Names[Array_Size];
const QString* Y_Names() {
    for (int i = 0; i < Array_Size; ++i)
        Names[i] = QStringLiteral("Y %1").arg(i);
    return Names;
}

// The Hilbert matrix, entries 1/(i+j-1) typed to 15 digits, with the row sums as constants.
System Hilbert(int n) {
    const auto size = static_cast<size_t>(n);
    std::vector<std::vector<double>> a(size, std::vector<double>(size));
    std::vector<double> c(size);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            a[size_t(i)][size_t(j)] = QString::number(1.0 / (i + j + 1), 'g', 15).toDouble();
            c[size_t(i)] += a[size_t(i)][size_t(j)];
        }
    }
    return Make(n, a, c);
}

bool Has_Line(const QStringList& lines, const QString& text) {
    for (const QString& line : lines)
        if (line.contains(text)) return true;
    return false;
}

} // namespace

TEST(CheckSummary, UniqueSolutionShowsExactValuesAndDigits) {
    const System s = Make(3, {{-2, -1, 1}, {1, 1, 1}, {3, 1, -1}}, {-1, 6, 2});
    const ExactCheck check = Check(s);
    const std::vector<CheckRow> rows = Check_Rows(check, Y_Names());
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[size_t(i)].name, QStringLiteral("Y %1").arg(i + 1));
        EXPECT_EQ(rows[size_t(i)].exact, QString::number(i + 1));
        EXPECT_GE(rows[size_t(i)].digits.toInt(), 15);
        // SimQ's own digits, all of them: the value reads back to the very double.
        EXPECT_EQ(rows[size_t(i)].computed.toDouble(), s.x[i + 1]);
    }
    const QStringList findings = Check_Findings(check, Y_Names());
    EXPECT_TRUE(Has_Line(findings, QStringLiteral("One solution.")));
    EXPECT_TRUE(Has_Line(findings, QStringLiteral("right to at least 1")));
    EXPECT_TRUE(Has_Line(findings, QStringLiteral("Largest residual")));

    // Fractions stay fractions; a value with long terms is written as a 17-digit decimal.
    const System thirds = Make(2, {{3, 0}, {0, 7}}, {1, 2});
    const std::vector<CheckRow> third_rows = Check_Rows(Check(thirds), Y_Names());
    EXPECT_EQ(third_rows[0].exact, QStringLiteral("1/3"));
    EXPECT_EQ(third_rows[1].exact, QStringLiteral("2/7"));
    const System tenths = Make(2, {{0.1, 0}, {0, 0.3}}, {1.0 / 3, 1});
    const QString long_exact = Check_Rows(Check(tenths), Y_Names())[0].exact;
    EXPECT_FALSE(long_exact.contains(QLatin1Char('/'))) << long_exact.toStdString();
    EXPECT_TRUE(long_exact.startsWith(QStringLiteral("3.333333333333333")))
        << long_exact.toStdString();
}

TEST(CheckSummary, SingularSystemsAreExplained) {
    const System dependent = Make(2, {{1, 2}, {2, 4}}, {3, 6});
    ASSERT_FALSE(dependent.solved);
    const ExactCheck infinite = Check(dependent);
    const std::vector<CheckRow> rows = Check_Rows(infinite, Y_Names());
    EXPECT_EQ(rows[0].computed, QStringLiteral("not solved"));
    EXPECT_EQ(rows[0].exact, QStringLiteral("see below"));
    EXPECT_EQ(rows[1].exact, QStringLiteral("free"));
    EXPECT_EQ(rows[1].digits, QString(QChar(0x2014)));
    const QStringList lines = Check_Findings(infinite, Y_Names());
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("infinitely many solutions (rank 1 of 2)")));
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("Y 2 can be chosen freely")));
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("Y 1 = 3 ") + QChar(0x2212) + QStringLiteral(" 2") +
                                    QChar(0x00B7) + QStringLiteral("Y 2")));
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("The solver gave no answer")));
    EXPECT_FALSE(Has_Line(lines, QStringLiteral("Condition number")));

    const ExactCheck none = Check(Make(2, {{1, 2}, {2, 4}}, {3, 7}));
    const QStringList none_lines = Check_Findings(none, Y_Names());
    EXPECT_TRUE(Has_Line(none_lines, QStringLiteral("no solution")));
    EXPECT_TRUE(Has_Line(none_lines, QStringLiteral("Rank of A: 1; rank of [A | C]: 2.")));
    EXPECT_EQ(Check_Rows(none, Y_Names())[0].exact, QStringLiteral("no solution"));
}

TEST(CheckSummary, NearlySingularSystemSaysHowManyDigitsAreLost) {
    const System s = Hilbert(12);
    ASSERT_TRUE(s.solved);
    const ExactCheck check = Check(s);
    const QStringList lines = Check_Findings(check, Y_Names());
    ASSERT_TRUE(check.condition && *check.condition > 1e15);
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("may be lost"))) << lines.join('\n').toStdString();
    // SimQ's answer is poor here, and the count of unknowns without a correct digit says so.
    int wrong = 0;
    for (const ExactUnknown& unknown : check.unknowns)
        wrong += unknown.correctDigits == 0 ? 1 : 0;
    ASSERT_GT(wrong, 1);
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("so up to about 16 of the 16 digits")));
    EXPECT_TRUE(Has_Line(
        lines, QStringLiteral("%1 of the 12 computed values have no correct digit.").arg(wrong)))
        << lines.join('\n').toStdString();
}

TEST(CheckSummary, TextHoldsTheTableAndTheFindings) {
    const ExactCheck check = Check(Make(2, {{1, 2}, {2, 4}}, {3, 6}));
    const QString text = Check_Text(check, Y_Names());
    const QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], QStringLiteral("Unknown\tComputed value\tExact value\tCorrect digits"));
    EXPECT_EQ(lines[1], QStringLiteral("Y 1\tnot solved\tsee below\t") + QChar(0x2014));
    for (const QString& finding : Check_Findings(check, Y_Names()))
        EXPECT_TRUE(text.contains(finding));
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
}

TEST(CheckSummary, ModeratelyConditionedSystemNamesItsWeakestDigits) {
    const ExactCheck check = Check(Hilbert(6));
    const int weakest = check.Weakest_Digits().value_or(-1);
    ASSERT_GT(weakest, 1);
    ASSERT_LT(weakest, 15);
    const QStringList lines = Check_Findings(check, Y_Names());
    EXPECT_TRUE(Has_Line(lines, QStringLiteral("The weakest computed value is right to only %1 "
                                               "significant digits.")
                                    .arg(weakest)))
        << lines.join('\n').toStdString();
}
