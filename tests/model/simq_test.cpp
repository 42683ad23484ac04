// The solver: operation order, pivoting, zero pivots and run-time errors.
#include "model/simq.h"
#include "model/solve_equations.h"
#include "session/show_results.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

struct System {
    double A[Array_Size][Array_Size] = {};
    double C[Array_Size] = {};
};

System Make(const std::vector<std::vector<double>>& a, const std::vector<double>& c) {
    System s;
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < a[i].size(); ++j)
            s.A[i + 1][j + 1] = a[i][j];
        s.C[i + 1] = c[i];
    }
    return s;
}

// The elimination written out independently, in the documented order, to compare bits.
void Reference_Elimination(int n, double A[Array_Size][Array_Size], double C[Array_Size]) {
    for (int k = 1; k < n; ++k) {
        int p = k;
        double big = 0;
        for (int i = k; i <= n; ++i)
            if (std::fabs(A[i][k]) > big) big = std::fabs(A[i][k]), p = i;
        for (int j = k; j <= n; ++j)
            std::swap(A[k][j], A[p][j]);
        std::swap(C[k], C[p]);
        for (int i = k + 1; i <= n; ++i) {
            for (int j = k + 1; j <= n; ++j) {
                volatile double product = A[i][k] * A[k][j];
                volatile double quotient = product / A[k][k];
                A[i][j] = quotient - A[i][j];
            }
            volatile double product = C[k] * A[i][k];
            volatile double quotient = product / A[k][k];
            C[i] = quotient - C[i];
        }
    }
    C[n] = C[n] / A[n][n];
    for (int i = n - 1; i >= 1; --i) {
        double s = C[i];
        for (int j = i + 1; j <= n; ++j) {
            volatile double product = A[i][j] * C[j];
            s = s - product;
        }
        C[i] = s / A[i][i];
    }
}

// SimQ as the program runs it: its result shown through the message seam, its code back.
int16_t SimQ_Shown(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]) {
    const SolveResult result = SimQ(n, A, C);
    Show_SimQ_Result(result);
    return result.Code();
}

} // namespace

TEST(SimQ, DefaultSystemSolvesToOneTwoThree) {
    ScriptedMessages messages;
    System s = Make({{-2, -1, 1}, {1, 1, 1}, {3, 1, -1}}, {-1, 6, 2});
    int16_t err = 99;
    err = SimQ_Shown(3, s.A, s.C);
    EXPECT_EQ(err, 0);
    EXPECT_NEAR(s.C[1], 1.0, 1e-14);
    EXPECT_NEAR(s.C[2], 2.0, 1e-14);
    EXPECT_NEAR(s.C[3], 3.0, 1e-14);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SimQ, ResultsMatchTheDocumentedOperationOrderBitForBit) {
    ScriptedMessages messages;
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    for (int n = 1; n <= 16; ++n) {
        for (int trial = 0; trial < 25; ++trial) {
            System mine, theirs;
            for (int i = 1; i <= n; ++i) {
                for (int j = 1; j <= n; ++j)
                    mine.A[i][j] = value(random) / (trial % 3 + 1);
                mine.C[i] = value(random);
            }
            std::memcpy(&theirs, &mine, sizeof mine);
            int16_t err = 99;
            err = SimQ_Shown(static_cast<int16_t>(n), mine.A, mine.C);
            ASSERT_EQ(err, 0);
            Reference_Elimination(n, theirs.A, theirs.C);
            for (int i = 1; i <= n; ++i)
                ASSERT_EQ(std::memcmp(&mine.C[i], &theirs.C[i], sizeof(double)), 0)
                    << "n=" << n << " i=" << i;
            for (int i = 1; i <= n; ++i)
                for (int j = i; j <= n; ++j)
                    ASSERT_EQ(mine.A[i][j], theirs.A[i][j]);
        }
    }
}

TEST(SimQ, ReducedRowsAreNegatedAndBelowDiagonalIsStale) {
    ScriptedMessages messages;
    // No interchange (4 > 2): row 2 becomes 2*1/4 - 3 = -2.5 in column 2.
    System s = Make({{4, 1}, {2, 3}}, {5, 5});
    int16_t err = 99;
    err = SimQ_Shown(2, s.A, s.C);
    ASSERT_EQ(err, 0);
    EXPECT_EQ(s.A[2][2], 2.0 * 1.0 / 4.0 - 3.0);
    EXPECT_EQ(s.A[2][1], 2.0); // neither zeroed nor used again
    EXPECT_DOUBLE_EQ(s.C[1], 1.0);
    EXPECT_DOUBLE_EQ(s.C[2], 1.0);
}

TEST(SimQ, PivotingExchangesOnlyForStrictlyLargerMagnitude) {
    ScriptedMessages messages;
    // Equal magnitudes 2 and -2: the upper row stays the pivot, rows are not exchanged.
    System equal = Make({{2, 1}, {-2, 3}}, {3, 1});
    int16_t err = 99;
    err = SimQ_Shown(2, equal.A, equal.C);
    ASSERT_EQ(err, 0);
    EXPECT_EQ(equal.A[1][1], 2.0);
    EXPECT_EQ(equal.A[1][2], 1.0);
    EXPECT_EQ(equal.A[2][1], -2.0);

    // A later row strictly larger is exchanged (columns from k on only).
    System larger = Make({{1, 2}, {-3, 1}}, {5, -1});
    err = SimQ_Shown(2, larger.A, larger.C);
    ASSERT_EQ(err, 0);
    EXPECT_EQ(larger.A[1][1], -3.0);
    EXPECT_EQ(larger.A[1][2], 1.0);
    EXPECT_DOUBLE_EQ(larger.C[1], 1.0);
    EXPECT_DOUBLE_EQ(larger.C[2], 2.0);
}

TEST(SimQ, TinyPivotCandidateIsPassedOverForTheLargerRow) {
    ScriptedMessages messages;
    System s = Make({{1e-300, 1}, {1, 1}}, {1, 2});
    int16_t err = 99;
    err = SimQ_Shown(2, s.A, s.C);
    EXPECT_EQ(err, 0);
    EXPECT_DOUBLE_EQ(s.C[1], 1.0);
    EXPECT_DOUBLE_EQ(s.C[2], 1.0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SimQ, ZeroPivotsAreReportedByColumn) {
    struct Case {
        std::vector<std::vector<double>> a;
        int16_t column;
    };
    const std::vector<Case> cases = {
        {{{1, 2}, {2, 4}}, 2},                  // singular: last diagonal exactly 0
        {{{0, 1, 2}, {0, 3, 4}, {0, 5, 6}}, 1}, // first column of zeros
        {{{1, 1, 1}, {1, 1, 2}, {2, 2, 5}}, 2}, // zero column below the diagonal at k = 2
        {{{0, 0}, {0, 0}}, 1},
    };
    for (const Case& c : cases) {
        ScriptedMessages messages;
        System s = Make(c.a, std::vector<double>(c.a.size(), 1.0));
        int16_t err = 99;
        err = SimQ_Shown(static_cast<int16_t>(c.a.size()), s.A, s.C);
        EXPECT_EQ(err, c.column);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("There is a zero value on diagonal in column ") +
                      QString::number(c.column));
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OK);
    }
}

TEST(SimQ, OverflowRaisesTheRunTimeErrorPath) {
    ScriptedMessages messages;
    System s = Make({{1, 1e308}, {1, -1e308}}, {1, 1}); // 1e308 - -1e308 overflows
    int16_t err = 99;
    err = SimQ_Shown(2, s.A, s.C);
    EXPECT_EQ(err, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("Error 6   (Overflow)  has occurred in SimQ\r\n\r\n")));
}

TEST(SimQ, NonFiniteInputIsAnErrorNotAnAnswer) {
    for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        ScriptedMessages messages;
        System s = Make({{1, 2}, {3, bad}}, {1, 1});
        int16_t err = 99;
        err = SimQ_Shown(2, s.A, s.C);
        EXPECT_EQ(err, 1);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("has occurred in SimQ")));
    }
    // In the right-hand side too, negative infinity included: none of them raises a flag.
    for (double bad : {-std::numeric_limits<double>::infinity(), std::nan("")}) {
        ScriptedMessages messages;
        System s = Make({{1, 2}, {3, 4}}, {1, bad});
        EXPECT_EQ(SimQ_Shown(2, s.A, s.C), 1) << bad;
    }
}

TEST(SimQ, CountOutsideTheArraysIsSubscriptOutOfRange) {
    for (int16_t n : {int16_t(0), int16_t(17), int16_t(-3)}) {
        ScriptedMessages messages;
        System s;
        int16_t err = 99;
        err = SimQ_Shown(n, s.A, s.C);
        EXPECT_EQ(err, 1);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Error 9   (Subscript")));
    }
}

TEST(SimQ, SixteenEquationsTouchNothingOutsideOneToSixteen) {
    ScriptedMessages messages;
    System s;
    for (int i = 0; i <= 16; ++i) {
        s.A[0][i] = s.A[i][0] = 777;
        s.C[0] = 777;
    }
    for (int i = 1; i <= 16; ++i) {
        for (int j = 1; j <= 16; ++j)
            s.A[i][j] = (i == j) ? 10.0 + i : 1.0 / (i + j);
        s.C[i] = i;
    }
    int16_t err = 99;
    err = SimQ_Shown(16, s.A, s.C);
    EXPECT_EQ(err, 0);
    for (int i = 0; i <= 16; ++i) {
        EXPECT_EQ(s.A[0][i], 777);
        EXPECT_EQ(s.A[i][0], 777);
    }
    EXPECT_EQ(s.C[0], 777);
}

TEST(SimQ, ResultsSayWhatHappenedAndShowNothing) {
    ScriptedMessages messages;
    System solvable = Make({{2, 1}, {1, 3}}, {3, 5});
    const SolveResult solved = SimQ(2, solvable.A, solvable.C);
    EXPECT_EQ(solved.status, SolveResult::Status::Solved);
    EXPECT_EQ(solved.Code(), 0);

    System singular = Make({{1, 2}, {2, 4}}, {3, 6});
    const SolveResult pivot = SimQ(2, singular.A, singular.C);
    EXPECT_EQ(pivot.status, SolveResult::Status::ZeroPivot);
    EXPECT_EQ(pivot.column, 2);
    EXPECT_EQ(pivot.Code(), 2);

    System overflowing = Make({{1, 1e308}, {1, -1e308}}, {1, 1});
    const SolveResult error = SimQ(2, overflowing.A, overflowing.C);
    EXPECT_EQ(error.status, SolveResult::Status::RunTimeError);
    EXPECT_EQ(error.error.number, Err::Overflow);
    EXPECT_EQ(error.error.description, QStringLiteral("Overflow"));
    EXPECT_EQ(error.error.label, QStringLiteral("SimQ"));
    EXPECT_EQ(error.Code(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

class SolveEquationsTest : public ::testing::Test {
  protected:
    void SetUp() override { Initialize(); }
};

TEST_F(SolveEquationsTest, SuccessFillsXAndRestoresTheModel) {
    ScriptedMessages messages;
    Show_Solve_Result(Solve_Equations());
    EXPECT_EQ(Solve_Error, 0);
    EXPECT_TRUE(Solved);
    EXPECT_NEAR(X_Vector[1], 1, 1e-14);
    EXPECT_NEAR(X_Vector[2], 2, 1e-14);
    EXPECT_NEAR(X_Vector[3], 3, 1e-14);
    EXPECT_EQ(A_Matrix[1][1], -2);
    EXPECT_EQ(A_Matrix[3][2], 1);
    EXPECT_EQ(C_Work[1], -1);
    EXPECT_EQ(C_Work[2], 6);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SolveEquationsTest, SingularSystemShowsBothMessagesAndKeepsTheData) {
    ScriptedMessages messages;
    Num_Equations = 2;
    Last_Index = 1;
    A_Matrix[1][1] = 1, A_Matrix[1][2] = 2, A_Matrix[2][1] = 2, A_Matrix[2][2] = 4;
    C_Vector[1] = 3, C_Vector[2] = 6;
    X_Vector[1] = 42;
    Load_C_Work(2);
    Show_Solve_Result(Solve_Equations());
    EXPECT_EQ(Solve_Error, 2);
    EXPECT_FALSE(Solved);
    EXPECT_EQ(X_Vector[1], 42);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("There is a zero value on diagonal in column 2"));
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral(" There has been a serious error in the calculation of your "
                             "solution \r Please check your data"));
    EXPECT_EQ(A_Matrix[1][1], 1);
    EXPECT_EQ(A_Matrix[1][2], 2);
    EXPECT_EQ(A_Matrix[2][1], 2);
    EXPECT_EQ(A_Matrix[2][2], 4);
    EXPECT_EQ(C_Work[1], 3);
    EXPECT_EQ(C_Work[2], 6);
}

TEST_F(SolveEquationsTest, RunTimeErrorShowsTheReportThenTheDriverMessage) {
    ScriptedMessages messages;
    Num_Equations = 2;
    Last_Index = 1;
    A_Matrix[1][1] = 1, A_Matrix[1][2] = 1e308;
    A_Matrix[2][1] = 1, A_Matrix[2][2] = -1e308;
    C_Vector[1] = 1, C_Vector[2] = 1;
    Load_C_Work(2);
    Show_Solve_Result(Solve_Equations());
    EXPECT_EQ(Solve_Error, 1);
    EXPECT_FALSE(Solved);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("SimQ")));
    EXPECT_EQ(messages.shown[1].text, Solve_Failed_Message());
    EXPECT_EQ(A_Matrix[2][2], -1e308);
    EXPECT_EQ(C_Work[1], 1);
}

// Overflow is found from the floating-point flags: flags the caller left raised are not an
// error, an overflow in the constants or in back substitution is, and an infinite pivot,
// which only ever divides, solves as a test after every operation would let it.
TEST(SimQ, FlagsFindOverflowWhereverItHappensAndOnlyThen) {
    {
        ScriptedMessages messages;
        System s = Make({{-2, -1, 1}, {1, 1, 1}, {3, 1, -1}}, {-1, 6, 2});
        std::feraiseexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
        const int16_t err = SimQ_Shown(3, s.A, s.C);
        EXPECT_EQ(err, 0);
        EXPECT_TRUE(messages.shown.empty());
    }
    for (const System& overflowing :
         {Make({{1, 0}, {1, 1}}, {1e308, -1e308}),       // C(2) = 1e308 * 1 / 1 - -1e308
          Make({{1e-10, 0}, {0, 1e-300}}, {1, 1e10})}) { // back substitution: 1e10 / 1e-300
        ScriptedMessages messages;
        System s = overflowing;
        const int16_t err = SimQ_Shown(2, s.A, s.C);
        EXPECT_EQ(err, 1);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Error 6   (Overflow)")));
    }
    {
        ScriptedMessages messages;
        const double inf = std::numeric_limits<double>::infinity();
        System s = Make({{inf, 1}, {1, 1}}, {1, 1});
        const int16_t err = SimQ_Shown(2, s.A, s.C);
        EXPECT_EQ(err, 0);
        EXPECT_EQ(s.C[1], 0.0);
        EXPECT_EQ(s.C[2], 1.0);
        EXPECT_TRUE(messages.shown.empty());
    }
}

// Products that underflow in the fixed operation order cost every digit; the driver solves
// again scaled by powers of two (exact), so equations of tiny numbers keep theirs. Each case
// scales the rows of a system whose exact solution is 6/11, 14/11, 21/11.
TEST_F(SolveEquationsTest, TinyEquationsKeepEveryDigit) {
    const double a[3][4] = {{1.5, 2.5, 0, 4}, {0, 1, 3, 7}, {2, 0, 1, 3}}; // A | C
    const double exact[3] = {6.0 / 11, 14.0 / 11, 21.0 / 11};
    for (const std::array<int, 3> exponents :
         {std::array{-540, -540, -540}, std::array{-997, -997, -997}, std::array{-997, 0, -830}}) {
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 4; ++j)
                (j < 4 ? A_Matrix[i][j] : C_Vector[i]) =
                    std::ldexp(a[i - 1][j - 1], exponents[i - 1]);
        Load_C_Work(3);
        ASSERT_EQ(Solve_Equations().status, SolveResult::Status::Solved);
        for (int i = 1; i <= 3; ++i) // within one unit in the last place
            EXPECT_LE(std::fabs(X_Vector[i] - exact[i - 1]),
                      std::nextafter(exact[i - 1], 2.0) - exact[i - 1])
                << "2^" << exponents[0] << ": x(" << i << ") = " << X_Vector[i];
    }
}
