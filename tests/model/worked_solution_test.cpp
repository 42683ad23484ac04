// The worked solution against systems whose steps, determinants and inverses are known.
#include "model/worked_solution.h"
#include "reports/exact_text.h"
#include "reports/worked_text.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace korvel;
using korvel::testing::Rows_System;

namespace {

const QString Names[] = {{}, "Y 1", "Y 2", "Y 3", "Y 4"};

std::vector<QString> Column(const FractionMatrix& m, size_t j) {
    std::vector<QString> column;
    for (const auto& row : m)
        column.push_back(row[j]);
    return column;
}

} // namespace

TEST(WorkedSolution, UniqueSystemsByBothRules) {
    struct Case {
        const char* what;
        int n;
        std::initializer_list<std::initializer_list<double>> rows;
        PivotRule rule;
        std::vector<QString> solution;
        QString determinant;
        FractionMatrix inverse;
        int exchanges; // row exchanges in the elimination
    };
    const Case cases[] = {
        {"the default system by hand",
         3,
         {{2, 3, -1, 5}, {4, 4, -3, 3}, {-2, 3, -1, 1}},
         PivotRule::FirstNonZero,
         {"1", "2", "3"},
         "20",
         {{"1/4", "0", "-1/4"}, {"1/2", "-1/5", "1/10"}, {"1", "-3/5", "-1/5"}},
         0},
        {"the default system by the solver's pivots",
         3,
         {{2, 3, -1, 5}, {4, 4, -3, 3}, {-2, 3, -1, 1}},
         PivotRule::LargestMagnitude,
         {"1", "2", "3"},
         "20",
         {{"1/4", "0", "-1/4"}, {"1/2", "-1/5", "1/10"}, {"1", "-3/5", "-1/5"}},
         2},
        {"a zero first pivot",
         2,
         {{0, 1, 2}, {1, 0, 3}},
         PivotRule::FirstNonZero,
         {"3", "2"},
         "-1",
         {{"0", "1"}, {"1", "0"}},
         1},
        {"decimals read as typed",
         2,
         {{0.1, 0.2, 0.3}, {2, 4.5, 7}},
         PivotRule::FirstNonZero,
         {"-1", "2"},
         "1/20",
         {{"90", "-4"}, {"-40", "2"}},
         0},
        {"one equation", 1, {{4, 6}}, PivotRule::FirstNonZero, {"3/2"}, "4", {{"1/4"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto s = Rows_System(c.n, c.rows);
        const WorkedSolution worked = Work_System(c.n, s.a, s.c, c.rule);
        EXPECT_EQ(worked.kind, SolutionKind::Unique);
        EXPECT_EQ(worked.solution, c.solution);
        EXPECT_EQ(worked.determinant, c.determinant);
        ASSERT_TRUE(worked.inverse.has_value());
        EXPECT_EQ(*worked.inverse, c.inverse);
        int exchanges = 0;
        for (const WorkedStep& step : worked.elimination) {
            for (const RowOperation& op : step.operations)
                exchanges += op.kind == RowOperation::Kind::Exchange;
            // Below the pivot of the step's column, only zeros are left.
            const auto column = Column(step.after, size_t(step.column) - 1);
            for (size_t i = size_t(step.column); i < column.size(); ++i)
                EXPECT_EQ(column[i], "0");
        }
        EXPECT_EQ(exchanges, c.exchanges);
        EXPECT_EQ(worked.oddExchanges, c.exchanges % 2 == 1);
        ASSERT_EQ(worked.back.size(), size_t(c.n));
        EXPECT_EQ(worked.back.front().unknown, c.n);
    }
}

TEST(WorkedSolution, SingularSystemsSayWhatTheEchelonFormMeans) {
    const auto none = Rows_System(2, {{1, 2, 3}, {2, 4, 7}});
    const WorkedSolution contradiction = Work_System(2, none.a, none.c, PivotRule::FirstNonZero);
    EXPECT_EQ(contradiction.kind, SolutionKind::None);
    EXPECT_EQ(contradiction.contradictionRow, 2);
    EXPECT_EQ(contradiction.contradictionValue, "1");
    EXPECT_EQ(contradiction.determinant, "0");
    EXPECT_FALSE(contradiction.inverse.has_value());
    EXPECT_TRUE(Worked_Solution_Text(contradiction, Names).contains("Row 2 reads 0 = 1."));

    const auto many = Rows_System(2, {{1, 2, 3}, {2, 4, 6}});
    const WorkedSolution dependent = Work_System(2, many.a, many.c, PivotRule::FirstNonZero);
    EXPECT_EQ(dependent.kind, SolutionKind::Infinite);
    EXPECT_EQ(dependent.freeUnknowns, std::vector<int>{2});
    ASSERT_EQ(dependent.general.size(), 1u);
    EXPECT_EQ(General_Equation(dependent.general[0], Names), "Y 1 = 3 − 2·Y 2");

    // A free unknown between two pivots: the reduced form clears the entries above them.
    const auto gap = Rows_System(3, {{2, 4, 2, 8}, {1, 2, 3, 8}, {3, 6, 1, 8}});
    const WorkedSolution reduced = Work_System(3, gap.a, gap.c, PivotRule::FirstNonZero);
    EXPECT_EQ(reduced.kind, SolutionKind::Infinite);
    EXPECT_EQ(reduced.rank, 2);
    EXPECT_EQ(reduced.freeUnknowns, std::vector<int>{2});
    ASSERT_EQ(reduced.general.size(), 2u);
    EXPECT_EQ(General_Equation(reduced.general[0], Names), "Y 1 = 2 − 2·Y 2");
    EXPECT_EQ(General_Equation(reduced.general[1], Names), "Y 3 = 2");
}

TEST(WorkedSolution, TextWritesOperationsInTheUsualSignAndLongFractionsApproximately) {
    const auto s = Rows_System(3, {{2, 3, -1, 5}, {4, 4, -3, 3}, {-2, 3, -1, 1}});
    const WorkedSolution worked = Work_System(3, s.a, s.c, PivotRule::FirstNonZero);
    const QString text = Worked_Solution_Text(worked, Names);
    EXPECT_TRUE(text.contains("R2 ← R2 − 2·R1")) << qPrintable(text);
    EXPECT_TRUE(text.contains("R3 ← R3 + R1")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Y 3 = ")) << qPrintable(text);
    EXPECT_FALSE(text.contains("≈"));
    const QString latex = Worked_Solution_Text(worked, Names, WorkedFormat::Latex);
    EXPECT_TRUE(latex.contains("R_{2} \\leftarrow R_{2} - 2\\,R_{1}")) << qPrintable(latex);

    EXPECT_EQ(Worked_Fraction("-3/4"), "−3/4");
    EXPECT_EQ(Worked_Fraction("1/3000000000000"), "≈3.33333E-13");
    const auto thirds = Rows_System(2, {{0.3333333333333333, 1, 1}, {1, 1, 2}});
    const QString long_text =
        Worked_Solution_Text(Work_System(2, thirds.a, thirds.c, PivotRule::FirstNonZero), Names);
    EXPECT_TRUE(long_text.contains("marked ≈")) << qPrintable(long_text);
}

// The working and the exact check reach the same answers by different roads (the check by
// fraction-free elimination): the solution, the determinant, and each column of the inverse
// as the solution for that column of the identity.
TEST(WorkedSolution, AgreesWithTheExactCheckOnSystemsOfEverySize) {
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        auto s = korvel::testing::Function_System(
            n, [n](int i, int j) { return i == j ? n + 1.5 : ((i * 7 + j * 3) % 5) - 2.25; },
            [](int i) { return i * 0.1 - 1; });
        for (PivotRule rule : {PivotRule::FirstNonZero, PivotRule::LargestMagnitude}) {
            const WorkedSolution worked = Work_System(n, s.a, s.c, rule);
            const ExactCheck check = Check_System(n, s.a, s.c, nullptr);
            ASSERT_EQ(worked.kind, SolutionKind::Unique);
            ASSERT_TRUE(worked.inverse.has_value());
            // The product of the pivots against FLINT's own determinant.
            EXPECT_EQ(worked.determinant, Exact_Determinant_And_Inverse(n, s.a).determinant);
            for (int j = 0; j < n; ++j)
                EXPECT_EQ(worked.solution[size_t(j)], check.unknowns[size_t(j)].exact);
            for (int column = 1; column <= n; ++column) {
                double unit[Array_Size] = {};
                unit[column] = 1;
                const ExactCheck inverse = Check_System(n, s.a, unit, nullptr);
                for (int i = 1; i <= n; ++i)
                    EXPECT_EQ((*worked.inverse)[size_t(i) - 1][size_t(column) - 1],
                              inverse.unknowns[size_t(i) - 1].exact);
            }
        }
    }
}

// Names are the user's own text: in LaTeX and Markdown their special characters must not
// change the document around them.
TEST(WorkedSolution, NamesWithSpecialCharactersAreEscapedInLatexAndMarkdown) {
    const QString names[] = {{}, "F_1 & $", "x|y"};
    const auto s = Rows_System(2, {{2, 1, 8}, {-3, 1, -2}});
    const WorkedSolution worked = Work_System(2, s.a, s.c, PivotRule::FirstNonZero);

    const QString latex = Worked_Solution_Text(worked, names, WorkedFormat::Latex);
    EXPECT_TRUE(latex.contains("\\text{F\\_1 \\& \\$} = 2")) << qPrintable(latex);
    EXPECT_FALSE(latex.contains("F_1")) << qPrintable(latex);

    const QString markdown = Worked_Solution_Text(worked, names, WorkedFormat::Markdown);
    EXPECT_TRUE(markdown.contains("| | F\\_1 & $ | x\\|y | C |")) << qPrintable(markdown);
    // Every row of every table has as many cells as its heading.
    for (const QString& line : markdown.split('\n')) {
        if (!line.startsWith('|')) continue;
        const qsizetype bars = line.count('|') - line.count("\\|");
        EXPECT_EQ(bars, 5) << qPrintable(line);
    }
}
