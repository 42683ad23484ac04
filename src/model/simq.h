// Gaussian elimination with partial pivoting on a system of up to 16 equations.
#pragma once

#include "model/mod_matrix.h"
#include "model/simq_kernel.h"
#include "model/solve_result.h"

#include <cstdint>

namespace korvel {

// Solves A·x = C in place over indices 1..n: A is left holding the reduced system and C
// the solution. Shows nothing; the result says what happened: solved; a zero pivot in
// column k when every pivot candidate of column k is exactly zero (or the last diagonal
// element is, k = n); a run-time error (labelled "SimQ") when an overflow, division by
// zero or invalid operation stopped the calculation. A solve that raised the underflow flag
// says so (SolveResult::underflow).
SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]);

// The same, keeping in record the row exchanges (which with A rebuild the LU factors).
SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                 PivotRecord& record);

// The message for a zero pivot in column k.
QString Zero_Pivot_Message(int k);

} // namespace korvel
