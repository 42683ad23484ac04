// The condition estimate from SimQ's own factors, against the exact condition number.
#include "model/condition_estimate.h"
#include "model/power_of_two_scaling.h"
#include "model/solve_system.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <random>

using namespace korvel;
using korvel::testing::Function_System;
using korvel::testing::TestSystem;

namespace {

double Estimated_Condition(const TestSystem& s) {
    double reduced[Array_Size][Array_Size], x[Array_Size];
    const SolveResult result = Solve_System(static_cast<int16_t>(s.n), s.a, s.c, reduced, x);
    EXPECT_EQ(result.status, SolveResult::Status::Solved);
    return 1.0 / result.reciprocalCondition.value_or(0.0);
}

// The exact condition number of the system with rows and columns scaled as the estimate
// scales them.
double Exact_Equilibrated_Condition(const TestSystem& s) {
    const double no_constants[Array_Size] = {};
    TestSystem equilibrated;
    equilibrated.n = s.n;
    Scale_System(s.n, Choose_Scaling(s.n, s.a, no_constants), s.a, s.c, equilibrated.a,
                 equilibrated.c);
    return *equilibrated.Check().condition;
}

} // namespace

// The rebuilt factors must be those of A (the row exchanges SimQ made, its negated rows), or
// the estimate is no bound: it lies between a third of the exact value and the exact value.
TEST(ConditionEstimate, IsWithinAFactorOfThreeOfTheExactConditionNumber) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<TestSystem> systems;
    for (int n = 2; n <= 16; ++n) // random systems: many row exchanges
        systems.push_back(Function_System(
            n, [&](int, int) { return value(random); }, [&](int) { return value(random); }));
    systems.push_back(Function_System( // Hilbert 8, condition about 3E+10
        8, [](int i, int j) { return 1.0 / (i + j - 1); }, [](int) { return 1.0; }));
    // Badly scaled, not near singular: x = (1, 1).
    systems.push_back(
        korvel::testing::Rows_System(2, {{1e300, 1e300, 2e300}, {1e-300, -1e-300, 0}}));
    for (const TestSystem& s : systems) {
        const double exact = Exact_Equilibrated_Condition(s);
        const double estimate = Estimated_Condition(s);
        EXPECT_LE(estimate, exact * (1 + 1e-6)) << "n = " << s.n;
        EXPECT_GE(estimate, exact / 3) << "n = " << s.n;
        EXPECT_FALSE(Singular_To_Working_Precision(s.n, 1.0 / estimate)) << "n = " << s.n;
    }
}

TEST(ConditionEstimate, SingularEquationsWithoutAZeroPivotAreSingularToWorkingPrecision) {
    const TestSystem singular[] = {
        // rank 2: the third equation is no combination of the others' constants
        korvel::testing::Rows_System(3, {{2, 1.5, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}),
        // rank 2, dependent: row 3 = 2 · row 2 - row 1
        korvel::testing::Rows_System(3, {{1, 2, 3, 6}, {4, 5, 6, 15}, {7, 8, 9, 24}}),
    };
    for (const TestSystem& s : singular)
        EXPECT_TRUE(Singular_To_Working_Precision(s.n, 1.0 / Estimated_Condition(s)))
            << "n = " << s.n << ", estimate " << Estimated_Condition(s);
}
