// How near singular a solved system is, from its LU factors in O(n²): LAPACK's estimate of
// the 1-norm condition number (Hager's method as Higham refined it, as dlacn2 and dgecon),
// of the matrix equilibrated as dgesvx does.
#pragma once

#include "model/mod_matrix.h"
#include "model/simq_factors.h"

namespace korvel {

// 1 / (estimated 1-norm condition number) of R·A·S, where A is factored as factors and the
// powers of two R and S bring each row's and then each column's largest magnitude near 1:
// equations only badly scaled (1E+300 beside 1E-300) are not taken for nearly singular. The
// estimate of ‖(R·A·S)⁻¹‖₁ is a lower bound, nearly always within a factor of 3. 0 when the
// inverse's columns do not fit in a double.
double Reciprocal_Condition(const double (&A)[Array_Size][Array_Size], const SimQFactors& factors);

// Solving these equations in 64-bit arithmetic gives no meaningful answer: the error bound
// of such a solve (about n·eps times the condition number) exceeds 1.
bool Singular_To_Working_Precision(int n, double reciprocal_condition);

} // namespace korvel
