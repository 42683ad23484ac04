#include "model/solve_system.h"

#include "model/condition_estimate.h"
#include "model/power_of_two_scaling.h"
#include "model/simq.h"

#include <algorithm>

namespace korvel {

namespace {

void Copy_System(int n, const double (&A)[Array_Size][Array_Size], const double (&C)[Array_Size],
                 double (&to_A)[Array_Size][Array_Size], double (&to_C)[Array_Size]) {
    for (int i = 1; i <= n; ++i) {
        std::copy(A[i] + 1, A[i] + n + 1, to_A[i] + 1);
        to_C[i] = C[i];
    }
}

} // namespace

SolveResult Solve_System(int16_t n, const double (&A)[Array_Size][Array_Size],
                         const double (&C)[Array_Size], double (&reduced)[Array_Size][Array_Size],
                         double (&x)[Array_Size]) {
    if (n < 1 || n > Max_Equations) return SimQ(n, reduced, x); // SimQ's own error
    Copy_System(n, A, C, reduced, x);
    PivotRecord record;
    SolveResult result = SimQ(n, reduced, x, record);
    if (result.status != SolveResult::Status::Solved) return result;

    const PowerOfTwoScaling scaling =
        result.underflow ? Choose_Scaling(n, A, C) : PowerOfTwoScaling{};
    if (!scaling.Is_Identity(n)) {
        double scaled_A[Array_Size][Array_Size];
        double scaled_x[Array_Size];
        Scale_System(n, scaling, A, C, scaled_A, scaled_x);
        PivotRecord scaled_record;
        const SolveResult scaled = SimQ(n, scaled_A, scaled_x, scaled_record);
        if (scaled.status == SolveResult::Status::Solved &&
            Unscale_Solution(n, scaling, scaled_x)) {
            Copy_System(n, scaled_A, scaled_x, reduced, x);
            result = scaled;
            // The estimate is of the matrix factored, scaled as it was.
            Scale_System(n, scaling, A, C, scaled_A, scaled_x);
            result.reciprocalCondition =
                Reciprocal_Condition(scaled_A, SimQFactors(n, reduced, scaled_record));
            return result;
        }
    }
    result.reciprocalCondition = Reciprocal_Condition(A, SimQFactors(n, reduced, record));
    return result;
}

} // namespace korvel
