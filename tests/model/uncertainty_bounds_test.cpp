// The bounds for uncertain data against the systems inside the uncertainty: at every corner
// of the box and at random points in it, each solution must lie inside the bounds.
#include "model/uncertainty_bounds.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace korvel;
using korvel::testing::Rows_System;
using korvel::testing::TestSystem;

namespace {

// The system with every coefficient and constant moved by its own factor: a[i][j] times
// (1 + tA * s) for s in [-1, 1], drawn by pick(i, j) (column n + 1 for the constant).
template <class Pick> TestSystem Moved(const TestSystem& s, double tA, double tC, Pick pick) {
    TestSystem moved = s;
    for (int i = 1; i <= s.n; ++i) {
        for (int j = 1; j <= s.n; ++j)
            moved.a[i][j] = s.a[i][j] * (1 + tA * pick(i, j));
        moved.c[i] = s.c[i] * (1 + tC * pick(i, s.n + 1));
    }
    return moved;
}

// Every solution of the moved systems inside the bounds (the sampled solve's own rounding
// error, far below the widths tested, is allowed for).
void Expect_Inside(const TestSystem& moved, const UncertaintyBounds& bounds, const char* what) {
    TestSystem solved = moved;
    solved.Solve();
    ASSERT_TRUE(solved.solved) << what;
    for (int i = 1; i <= moved.n; ++i) {
        const UnknownBounds& u = bounds.unknowns[static_cast<size_t>(i - 1)];
        const double slack = 1e-12 * (std::fabs(u.low) + std::fabs(u.high));
        EXPECT_GE(solved.x[i], u.low - slack) << what << ", unknown " << i;
        EXPECT_LE(solved.x[i], u.high + slack) << what << ", unknown " << i;
    }
}

// A random system whose diagonal outweighs the rest of its row: well away from singular.
TestSystem Random_System(int n, std::mt19937& random) {
    std::uniform_real_distribution<double> value(-10, 10);
    TestSystem s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        double row = 0;
        for (int j = 1; j <= n; ++j) {
            s.a[i][j] = std::round(value(random) * 100) / 100;
            row += std::fabs(s.a[i][j]);
        }
        s.a[i][i] = row + 1;
        s.c[i] = std::round(value(random) * 100) / 100;
    }
    return s;
}

} // namespace

TEST(UncertaintyBounds, TwoByTwoByHand) {
    // A = [2 1; 1 3], C = (3, 5): x = (4/5, 7/5), inverse (1/5)[3 -1; -1 2]. |B||A| is
    // (1/5)[7 6; 4 7], whose spectral radius is (7 + sqrt 24) / 5: bounds hold up to its
    // reciprocal, 0.42020...
    const TestSystem s = Rows_System(2, {{2, 1, 3}, {1, 3, 5}});
    const auto bounds = Bound_System(s.n, s.a, s.c, 0.01, 0.01);
    ASSERT_TRUE(bounds);
    ASSERT_TRUE(bounds->bounded);
    EXPECT_DOUBLE_EQ(bounds->unknowns[0].value, 0.8);
    EXPECT_DOUBLE_EQ(bounds->unknowns[1].value, 1.4);
    const double limit = 5 / (7 + std::sqrt(24.0));
    EXPECT_LE(bounds->boundedUpTo, limit);
    EXPECT_GT(bounds->boundedUpTo, limit * (1 - 1e-6));
    // Every one of the 64 corners, and the widest corner shows the bounds are not loose.
    double widest = 0;
    for (int corner = 0; corner < 64; ++corner) {
        const TestSystem moved = Moved(s, 0.01, 0.01, [&](int i, int j) {
            return (corner >> ((i - 1) * 3 + (j - 1))) & 1 ? 1.0 : -1.0;
        });
        Expect_Inside(moved, *bounds, "corner");
        TestSystem solved = moved;
        solved.Solve();
        widest = std::max(widest, std::fabs(solved.x[1] - 0.8));
    }
    EXPECT_LT(bounds->unknowns[0].high - 0.8, 1.5 * widest);
}

TEST(UncertaintyBounds, SampledSystemsLieInside) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> where(-1, 1);
    struct Case {
        int n;
        double tA, tC;
    };
    for (const Case& c :
         {Case{3, 0.005, 0.005}, Case{3, 0.05, 0}, Case{6, 0.001, 0.01}, Case{16, 0.002, 0.002}}) {
        const TestSystem s = Random_System(c.n, random);
        const auto bounds = Bound_System(s.n, s.a, s.c, c.tA, c.tC);
        ASSERT_TRUE(bounds && bounds->bounded) << "n = " << c.n;
        for (int sample = 0; sample < 300; ++sample)
            Expect_Inside(Moved(s, c.tA, c.tC, [&](int, int) { return where(random); }), *bounds,
                          "random point");
        std::uniform_int_distribution<int> side(0, 1);
        for (int sample = 0; sample < 300; ++sample)
            Expect_Inside(Moved(s, c.tA, c.tC, [&](int, int) { return side(random) ? 1.0 : -1.0; }),
                          *bounds, "random corner");
    }
}

TEST(UncertaintyBounds, AToleranceThatAdmitsASingularSystemGivesNoBound) {
    // [1 1; 1 1.01] has determinant 0.01; moved by 1 % (a11, a22 down, a12, a21 up) it is
    // 1.01 * 0.99^2 - 1.01^2 < 0, so some system in between is singular.
    const TestSystem s = Rows_System(2, {{1, 1, 2}, {1, 1.01, 2.01}});
    ASSERT_LT(1.01 * 0.99 * 0.99 - 1.01 * 1.01, 0);
    const auto wide = Bound_System(s.n, s.a, s.c, 0.01, 0.01);
    ASSERT_TRUE(wide);
    EXPECT_FALSE(wide->bounded);
    EXPECT_EQ(wide->Least_Certain(), 0);
    EXPECT_GT(wide->boundedUpTo, 0);
    EXPECT_LT(wide->boundedUpTo, 0.01);
    // Just under the limit given, bounds hold.
    const auto narrow = Bound_System(s.n, s.a, s.c, wide->boundedUpTo * 0.9, 0.01);
    ASSERT_TRUE(narrow);
    EXPECT_TRUE(narrow->bounded);
}

TEST(UncertaintyBounds, DriversAndDegenerateInputs) {
    // x1 = c1 / a11 alone: with exact constants its only driver is a11; with exact
    // coefficients, c1.
    const TestSystem diagonal = Rows_System(2, {{2, 0, 2}, {0, 4, 400}});
    const auto coefficients = Bound_System(2, diagonal.a, diagonal.c, 0.01, 0);
    ASSERT_TRUE(coefficients && coefficients->bounded);
    EXPECT_EQ(coefficients->unknowns[0].driverRow, 1);
    EXPECT_EQ(coefficients->unknowns[0].driverColumn, 1);
    EXPECT_DOUBLE_EQ(coefficients->unknowns[0].driverShare, 1);
    const auto constants = Bound_System(2, diagonal.a, diagonal.c, 0, 0.01);
    ASSERT_TRUE(constants && constants->bounded);
    EXPECT_EQ(constants->unknowns[1].driverRow, 2);
    EXPECT_EQ(constants->unknowns[1].driverColumn, 3);
    EXPECT_NEAR(constants->unknowns[1].high, 101, 1e-9);
    // x2 = c2 - x1 = 0.001 is a small difference of uncertain numbers: the least certain.
    const TestSystem difference = Rows_System(2, {{1, 0, 1}, {1, 1, 1.001}});
    const auto spread = Bound_System(2, difference.a, difference.c, 0, 0.01);
    ASSERT_TRUE(spread && spread->bounded);
    EXPECT_EQ(spread->Least_Certain(), 2);

    // Exact data: bounds that close on the value, and nothing least certain.
    const auto exact = Bound_System(2, diagonal.a, diagonal.c, 0, 0);
    ASSERT_TRUE(exact && exact->bounded);
    EXPECT_EQ(exact->Least_Certain(), 0);
    EXPECT_LE(exact->unknowns[1].low, 100);
    EXPECT_GE(exact->unknowns[1].high, 100);
    EXPECT_LT(exact->unknowns[1].high - exact->unknowns[1].low, 1e-12);

    const TestSystem singular = Rows_System(2, {{1, 2, 3}, {2, 4, 6}});
    EXPECT_FALSE(Bound_System(2, singular.a, singular.c, 0.01, 0.01));
    EXPECT_FALSE(Bound_System(2, diagonal.a, diagonal.c, -0.01, 0));
    EXPECT_FALSE(Bound_System(2, diagonal.a, diagonal.c, 0, NAN));
}
