// SimQ as the program runs it on a system it keeps: with the answer's digits rescued from
// underflow, and with an estimate of how near singular the equations are.
#pragma once

#include "model/mod_matrix.h"
#include "model/solve_result.h"

#include <cstdint>

namespace korvel {

// Solves A·x = C (indices 1..n) with SimQ into reduced (what SimQ leaves of A) and x, leaving
// A and C as they are. When the elimination raised the underflow flag, solves again with each
// equation and unknown scaled by a power of two, which is exact and changes no solution, and
// keeps that answer if it solves and scales back exactly; underflow then says whether the
// solve kept raised the flag too. A solved result carries the reciprocal condition estimate
// of the matrix SimQ factored.
SolveResult Solve_System(int16_t n, const double (&A)[Array_Size][Array_Size],
                         const double (&C)[Array_Size], double (&reduced)[Array_Size][Array_Size],
                         double (&x)[Array_Size]);

} // namespace korvel
