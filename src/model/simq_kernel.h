// The arithmetic of SimQ, without its reporting: Gaussian elimination with partial pivoting
// in the fixed operation order (multiply, then divide, then subtract).
#pragma once

#include "model/mod_matrix.h"

#include <cstdint>

namespace korvel {

// What SimQ's elimination leaves beside the reduced matrix: enough to rebuild its LU factors,
// and whether a result was too small for the arithmetic.
struct PivotRecord {
    // Step k (1..n-1) exchanged row k with this row (k itself when it exchanged none).
    int16_t pivotRow[Array_Size] = {};
    // The floating-point underflow flag was raised: some result was rounded into the
    // subnormal range or to zero, and digits of the answer may be lost with it.
    bool underflow = false;
};

// Solves A·x = C in place over indices 1..n (1..16). Returns 0 when solved, or the column
// k whose pivot candidates are all exactly zero (n for a zero last diagonal element).
// Throws RuntimeError (overflow, division by zero, subscript out of range) when a result
// is not finite, as a test after every operation would.
int16_t SimQ_Kernel(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                    PivotRecord& record);

} // namespace korvel
