// The recorded elimination against SimQ itself: the same pivots, the same reduced system
// and, bit for bit, the same answer; where SimQ stops, the record stops; and the record
// written out for reading.
#include "model/elimination_steps.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "reports/elimination_text.h"
#include "text/significant_text.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstring>
#include <random>
#include <vector>

using namespace korvel;

namespace {

struct System {
    int n = 0;
    double A[Array_Size][Array_Size] = {};
    double C[Array_Size] = {};
};

System Make(const std::vector<std::vector<double>>& a, const std::vector<double>& c) {
    System s;
    s.n = int(c.size());
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < a[i].size(); ++j)
            s.A[i + 1][j + 1] = a[i][j];
        s.C[i + 1] = c[i];
    }
    return s;
}

System From_Model() {
    System s;
    s.n = Num_Equations;
    std::memcpy(s.A, A_Matrix, sizeof s.A);
    std::memcpy(s.C, C_Vector, sizeof s.C);
    return s;
}

// Uniform values of mixed signs and sizes: every column needs its own pivot search.
System Random_System(int n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    System s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            s.A[i][j] = value(random);
        s.C[i] = value(random);
    }
    return s;
}

bool Same_Bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// SimQ on a copy; its A ends as the reduced system in its final row order.
struct SimQRun {
    SolveResult result;
    System after;
};
SimQRun Run_SimQ(const System& s) {
    SimQRun run{{}, s};
    run.result = SimQ(int16_t(s.n), run.after.A, run.after.C);
    return run;
}

// The record agrees with SimQ: same outcome, the same upper triangle after the last step
// (so the same row exchanges), the same bits of every unknown.
void Expect_Matches_SimQ(const System& s) {
    const EliminationRecord record = Record_Elimination(s.n, s.A, s.C);
    const SimQRun simq = Run_SimQ(s);
    ASSERT_EQ(simq.result.status, SolveResult::Status::Solved);
    ASSERT_EQ(record.end, EliminationRecord::End::Solved);
    ASSERT_EQ(int(record.steps.size()), s.n - 1);
    const ReducedSystem& last = record.steps.empty() ? record.start : record.steps.back().after;
    for (int i = 1; i <= s.n; ++i)
        for (int j = i; j <= s.n; ++j)
            EXPECT_TRUE(Same_Bits(last.a[size_t(i - 1)][size_t(j - 1)], simq.after.A[i][j]))
                << "A(" << i << ", " << j << ")";
    ASSERT_EQ(int(record.x.size()), s.n);
    for (int i = 1; i <= s.n; ++i)
        EXPECT_TRUE(Same_Bits(record.x[size_t(i - 1)], simq.after.C[i]))
            << "x" << i << ": " << record.x[size_t(i - 1)] << " vs " << simq.after.C[i];
    // The back substitution computes x(n) first and x(1) last, with the final values.
    ASSERT_EQ(int(record.backSubstitution.size()), s.n);
    for (int step = 0; step < s.n; ++step) {
        const auto& [unknown, value] = record.backSubstitution[size_t(step)];
        EXPECT_EQ(unknown, s.n - step);
        EXPECT_TRUE(Same_Bits(value, simq.after.C[unknown]));
    }
}

QString Names[Array_Size];

const QString* Default_Names_List() {
    for (int i = 0; i < Array_Size; ++i)
        Names[i] = QStringLiteral("Y %1").arg(i);
    return Names;
}

} // namespace

TEST(EliminationSteps, TheAnswerAndTheReducedSystemAreSimQsBitForBit) {
    Initialize(); // the default system
    Expect_Matches_SimQ(From_Model());
    for (void (*load)() : {Load_Test_Matrix, Load_Example_11_2, Load_Example_11_3}) {
        load();
        Expect_Matches_SimQ(From_Model());
    }
    for (int n : {2, 5, 11, 16})
        Expect_Matches_SimQ(Random_System(n, 40u + unsigned(n)));
    // Tiny leading entries: pivoting must exchange rows in almost every column.
    Expect_Matches_SimQ(Make(
        {{1e-300, 1, 2, 3}, {1e-200, 4, 1, 1}, {1, 1e-9, 5, 2}, {3, 2, 1, 1e-12}}, {1, 2, 3, 4}));
    Expect_Matches_SimQ(Make({{1e-300, 1}, {1, 1}}, {1, 2}));
}

TEST(EliminationSteps, PivotRowsAndExchangesAreTheLargestCandidates) {
    // Column 1: |3| beats |-2| and |1|, rows 1 and 3 exchanged. Column 2 then holds
    // -2/3 (row 2) against 1/3 (row 3): row 2 stays.
    Initialize();
    const System s = From_Model();
    const EliminationRecord record = Record_Elimination(s.n, s.A, s.C);
    ASSERT_EQ(record.steps.size(), 2u);
    EXPECT_EQ(record.steps[0].pivotRow, 3);
    EXPECT_EQ(record.steps[0].pivotMagnitude, 3.0);
    EXPECT_TRUE(record.steps[0].exchanged);
    EXPECT_EQ(record.steps[1].column, 2);
    EXPECT_EQ(record.steps[1].pivotRow, 2);
    EXPECT_FALSE(record.steps[1].exchanged);
    // After column 1 the rows are the exchanged ones, reduced and negated as SimQ does it:
    // A(2,j) becomes A(2,1)·A(1,j)/A(1,1) − A(2,j).
    const ReducedSystem& after = record.steps[0].after;
    EXPECT_EQ(after.a[0], (std::vector<double>{3, 1, -1}));
    EXPECT_EQ(after.a[1][0], 0.0); // eliminated: shown as 0, whatever SimQ left there
    EXPECT_EQ(after.c[0], 2.0);
    EXPECT_DOUBLE_EQ(after.a[1][1], 1.0 * 1.0 / 3.0 - 1.0);
    EXPECT_DOUBLE_EQ(after.c[1], 2.0 * 1.0 / 3.0 - 6.0);
    // The starting system is the model untouched.
    EXPECT_EQ(record.start.a[0], (std::vector<double>{-2, -1, 1}));
    EXPECT_EQ(record.start.c, (std::vector<double>{-1, 6, 2}));

    // Equal magnitudes of opposite sign: the upper row stays, nothing is exchanged.
    const System equal = Make({{2, 1}, {-2, 3}}, {1, 1});
    const EliminationRecord tie = Record_Elimination(2, equal.A, equal.C);
    EXPECT_EQ(tie.steps[0].pivotRow, 1);
    EXPECT_FALSE(tie.steps[0].exchanged);
}

TEST(EliminationSteps, TheRecordStopsWhereSimQStops) {
    struct Case {
        const char* what;
        System s;
        EliminationRecord::End end;
        int column;
        size_t steps;
    };
    const std::vector<Case> cases = {
        {"dependent rows: the last diagonal element is 0", Make({{1, 2}, {2, 4}}, {3, 6}),
         EliminationRecord::End::Zero_Pivot, 2, 1},
        {"a first column of zeros", Make({{0, 1, 1}, {0, 2, 1}, {0, 1, 3}}, {1, 2, 3}),
         EliminationRecord::End::Zero_Pivot, 1, 1},
        {"every candidate of column 2 is 0", Make({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}, {1, 2, 3}),
         EliminationRecord::End::Zero_Pivot, 2, 2},
        {"the elimination of column 1 overflows", Make({{1, 1e308}, {1, -1e308}}, {1, 1}),
         EliminationRecord::End::Run_Time_Error, 1, 1},
        {"the back substitution overflows", Make({{1e-300, 0}, {0, 1}}, {1e300, 1}),
         EliminationRecord::End::Run_Time_Error, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EliminationRecord record = Record_Elimination(c.s.n, c.s.A, c.s.C);
        const SimQRun simq = Run_SimQ(c.s);
        const bool zero = c.end == EliminationRecord::End::Zero_Pivot;
        EXPECT_EQ(simq.result.status,
                  zero ? SolveResult::Status::ZeroPivot : SolveResult::Status::RunTimeError);
        if (zero) {
            EXPECT_EQ(simq.result.column, c.column);
        }
        EXPECT_EQ(record.end, c.end);
        EXPECT_EQ(record.stopColumn, c.column);
        EXPECT_EQ(record.steps.size(), c.steps);
        EXPECT_TRUE(record.x.empty());
        if (c.column < c.s.n) {
            EXPECT_TRUE(record.backSubstitution.empty());
        }
    }
    // The zero pivot's column has no pivot row; the columns before it are complete.
    const System s = Make({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}, {1, 2, 3});
    const EliminationRecord record = Record_Elimination(3, s.A, s.C);
    EXPECT_EQ(record.steps[1].pivotRow, 0);
    EXPECT_TRUE(record.steps[1].after.c.empty());
    EXPECT_EQ(record.steps[0].after.c.size(), 3u);

    for (int n : {0, 17}) {
        const EliminationRecord bad = Record_Elimination(n, s.A, s.C);
        EXPECT_EQ(bad.end, EliminationRecord::End::Run_Time_Error) << n;
    }
}

TEST(EliminationText, ReadsAsTheStepsSimQTook) {
    const QString* names = Default_Names_List();
    const System dependent = Make({{1, 2}, {2, 4}}, {3, 6});
    const QString text = Elimination_Text(Record_Elimination(2, dependent.A, dependent.C), names);
    EXPECT_TRUE(text.contains(QStringLiteral("Column 1: pivot row 2, magnitude 2; rows 1 and 2 "
                                             "exchanged.")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"There is a zero value on diagonal in column 2\"")));
    EXPECT_FALSE(text.contains(QStringLiteral("Back substitution")));

    Initialize();
    const System s = From_Model();
    const QString solved = Elimination_Text(Record_Elimination(3, s.A, s.C), Var_Name);
    EXPECT_TRUE(solved.contains(QStringLiteral("Column 2: pivot row 2, magnitude 0.666667; no "
                                               "exchange.")))
        << solved.toStdString();
    const int back = solved.indexOf(QStringLiteral("Back substitution"));
    ASSERT_GE(back, 0);
    // x3 first, to 6 digits: the 64-bit answer's last-place errors do not show.
    EXPECT_TRUE(solved.mid(back).contains(QStringLiteral("  Y 3 = 3\n  Y 2 = 2\n  Y 1 = 1\n")))
        << solved.mid(back).toStdString();
}

TEST(EliminationText, SystemTableLinesUpItsColumns) {
    const QString* names = Default_Names_List();
    ReducedSystem system{{{1.0 / 3, -1234567.0}, {0, 1e-7}}, {2, -0.5}};
    const QStringList lines = Reduced_System_Text(system, names).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].toStdString(), "      0.333333  -1.23457E+06 |             2");
    EXPECT_EQ(lines[2].toStdString(), "             0         1E-07 |          -0.5");
    // Every line is as long as the heading, so the bar lines up.
    for (const QString& line : lines)
        EXPECT_EQ(line.indexOf(QLatin1Char('|')), lines[0].indexOf(QLatin1Char('|')));
}

TEST(SignificantText, SixDigitsAndRoundTripWhateverTheLocale) {
    struct Case {
        double value;
        const char* six;
        const char* roundTrip;
    };
    const std::vector<Case> cases = {
        {0.1, "0.1", "0.1"},
        {2.0 / 3, "0.666667", "0.6666666666666666"},
        {1234567.0, "1.23457E+06", "1234567"},
        {-0.0, "0", "0"},
        {1e-7, "1E-07", "1E-07"},
        {1.0000000000000002, "1", "1.0000000000000002"},
        {-123456.7, "-123457", "-123456.7"},
        {1.0 / 0.0, "Infinity", "Infinity"},
    };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        for (const Case& c : cases) {
            EXPECT_EQ(Significant_Text(c.value).toStdString(), c.six) << c.value;
            EXPECT_EQ(Shortest_Double_Text(c.value).toStdString(), c.roundTrip) << c.value;
        }
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Significant_Text(0.000123456789, 3).toStdString(), "0.000123");
}
