// How near singular a solved system is, from its LU factors in O(n²): LAPACK's estimate of
// the 1-norm condition number (Hager's method as Higham refined it, as dlacn2 and dgecon).
#pragma once

#include "model/mod_matrix.h"
#include "model/simq_factors.h"

namespace korvel {

// ‖A‖₁: the largest column sum of magnitudes over indices 1..n.
double One_Norm(int n, const double (&A)[Array_Size][Array_Size]);

// 1 / (‖A‖₁ · estimated ‖A⁻¹‖₁), A of norm a_norm and factored as factors. The estimate of
// ‖A⁻¹‖₁ is a lower bound, nearly always within a factor of 3; 0 when A⁻¹'s columns do not
// fit in a double.
double Reciprocal_Condition(const SimQ_Factors& factors, double a_norm);

// Solving these equations in 64-bit arithmetic gives no meaningful answer: the error bound
// of such a solve (about n·eps times the condition number) exceeds 1.
bool Singular_To_Working_Precision(int n, double reciprocal_condition);

} // namespace korvel
