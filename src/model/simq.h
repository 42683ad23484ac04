// Gaussian elimination with partial pivoting on a system of up to 16 equations.
#pragma once

#include "model/mod_matrix.h"

#include <cstdint>

namespace korvel {

// Solves A·x = C in place over indices 1..n: A is left holding the reduced system and C
// the solution. err = 0 when solved; k when every pivot candidate of column k is exactly
// zero (or the last diagonal element is, k = n); 1 when an overflow, division by zero or
// invalid operation stopped the calculation (reported with the label "SimQ").
void SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
          int16_t& err);

// The message for a zero pivot in column k.
QString Zero_Pivot_Message(int k);

} // namespace korvel
