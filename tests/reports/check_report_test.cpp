// The exact check as korvel-cli prints it, as text and as JSON, on systems whose exact
// answers are known.
#include "model/elimination_steps.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "reports/check_json.h"
#include "reports/check_report.h"
#include "reports/check_summary.h"
#include "reports/elimination_text.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <limits>

using namespace korvel;

namespace {

struct Names {
    QString at[Array_Size];
    Names() {
        for (int i = 1; i < Array_Size; ++i)
            at[i] = QStringLiteral("x%1").arg(i);
    }
};

struct System {
    double a[Array_Size][Array_Size] = {};
    double c[Array_Size] = {};
    System(std::initializer_list<std::initializer_list<double>> rows) {
        int i = 1;
        for (const auto& row : rows) {
            int j = 1;
            for (double v : row)
                (j < static_cast<int>(row.size()) ? a[i][j] : c[i]) = v, ++j;
            ++i;
        }
    }
};

} // namespace

TEST(CheckReport, UniqueSolutionTableShowsLongFractionsRoundedAndMissingValuesAsDashes) {
    const Names names;
    // x1 = 1/3 exactly; x2 = 10^14 / 123456789012345, too long a fraction to show as one.
    const System s({{3, 0, 1}, {0, 1.23456789012345, 1}});
    const double computed[Array_Size] = {0, 1.0 / 3, 1 / 1.23456789012345};
    const ExactCheck check = Check_System(2, s.a, s.c, computed);
    const QString text = Check_Report_Text(check, names.at);
    const QStringList lines = text.split(u'\n');
    ASSERT_GE(lines.size(), 6) << text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Unique solution."));
    EXPECT_EQ(lines[2], QStringLiteral("x1\t0.3333333333333333\t1/3\t16"));
    EXPECT_EQ(lines[3].section(u'\t', 2, 2), check.unknowns[1].rounded);
    EXPECT_FALSE(lines[3].contains(u'/')) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Condition number\t")));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("Largest residual\t")));
    EXPECT_TRUE(text.endsWith(u'\n'));
    EXPECT_FALSE(text.contains(QStringLiteral("stopped")));

    // Without the solver's answer the check is the same but its columns are empty.
    const QString unsolved = Check_Report_Text(Check_System(2, s.a, s.c, nullptr), names.at);
    EXPECT_TRUE(unsolved.contains(QStringLiteral("\nx1\t-\t1/3\t-\n"))) << unsolved.toStdString();
    EXPECT_TRUE(unsolved.contains(QStringLiteral("\nLargest residual\t-\n")));
    EXPECT_TRUE(unsolved.endsWith(QStringLiteral("The solver stopped without an answer.\n")));
}

TEST(CheckReport, GeneralSolutionNamesEveryFreeUnknownAndTheSolversResidual) {
    const Names names;
    const System s({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}});
    // An answer the solver could have given through rounding: off by 2 in every equation
    // times its row's factor, so 6 at most.
    const double computed[Array_Size] = {0, 1, 1, 1};
    const QString text = Check_Report_Text(Check_System(3, s.a, s.c, computed), names.at);
    EXPECT_EQ(text, QStringLiteral("The equations are dependent: infinitely many solutions.\n"
                                   "x2 and x3 can be chosen freely.\n"
                                   "x1 = 1 \u2212 x2 \u2212 x3\n"
                                   "Rank of A\t1\nRank of [A | C]\t1\n"
                                   "Largest residual\t6\n"));
}

TEST(CheckJson, EveryKeyIsThereAndWhatIsNotKnownOrNotFiniteIsNull) {
    const Names names;
    const System s({{1, 1, 1, 1}, {2, 2, 2, 2}, {0, 0, 0, 0}});
    const QJsonObject dependent = Check_Report_Json(Check_System(3, s.a, s.c, nullptr), names.at);
    EXPECT_EQ(dependent[QStringLiteral("status")].toString(), QStringLiteral("infinite"));
    EXPECT_EQ(dependent[QStringLiteral("rank")].toInt(), 1);
    EXPECT_EQ(dependent[QStringLiteral("free")].toArray(),
              (QJsonArray{QStringLiteral("x2"), QStringLiteral("x3")}));
    const QJsonObject x1 = dependent[QStringLiteral("general")].toArray()[0].toObject();
    EXPECT_EQ(x1[QStringLiteral("terms")].toObject(),
              (QJsonObject{{QStringLiteral("x2"), QStringLiteral("-1")},
                           {QStringLiteral("x3"), QStringLiteral("-1")}}));
    EXPECT_EQ(dependent[QStringLiteral("unknowns")].toArray().size(), 3);

    ExactCheck odd;
    odd.n = 1;
    odd.rank = odd.rankAugmented = 1;
    odd.condition = std::numeric_limits<double>::infinity();
    odd.residual = std::nan("");
    odd.unknowns.push_back({QStringLiteral("7/2"), QStringLiteral("3.5"),
                            -std::numeric_limits<double>::infinity(), 0});
    const QJsonObject json = Check_Report_Json(odd, names.at);
    EXPECT_TRUE(json[QStringLiteral("condition")].isNull());
    EXPECT_TRUE(json[QStringLiteral("residual")].isNull());
    const QJsonObject unknown = json[QStringLiteral("unknowns")].toArray()[0].toObject();
    EXPECT_TRUE(unknown[QStringLiteral("float")].isNull());
    EXPECT_EQ(unknown[QStringLiteral("exact")].toString(), QStringLiteral("7/2"));
    EXPECT_EQ(unknown[QStringLiteral("correct_digits")].toInt(-1), 0);
    EXPECT_TRUE(json[QStringLiteral("general")].toArray().isEmpty());
}

// What the check screen, its clipboard text, korvel-cli and the steps page print names no
// routine: an answer right to every digit, a dependent system and one that stops the solver
// with an overflow.
TEST(CheckReport, NoTextForTheUserNamesTheSolverRoutine) {
    const Names names;
    const System unique({{2, 1, 5}, {1, 3, 10}}); // x1 = 1, x2 = 3
    const System dependent({{1, 2, 3}, {2, 4, 6}});
    const System overflow({{1, 1e308, 1}, {1, -1e308, 0}});
    const double right[Array_Size] = {0, 1, 3};
    using Row = std::pair<const System*, const double*>;
    for (const auto& [system, answer] :
         {Row{&unique, right}, Row{&dependent, nullptr}, Row{&overflow, nullptr}}) {
        const ExactCheck check = Check_System(2, system->a, system->c, answer);
        for (const QString& text :
             {Check_Text(check, names.at), Check_Report_Text(check, names.at),
              Elimination_Text(Record_Elimination(2, system->a, system->c), names.at)})
            EXPECT_FALSE(text.contains(QStringLiteral("SimQ"))) << text.toStdString();
    }
}
