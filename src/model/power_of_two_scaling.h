// Scaling a system by powers of two, which is exact: each equation (its row of A and its
// constant) by 2^row[i], each unknown's column of A by 2^column[j]. The scaled system has
// the solution x(j) / 2^column[j], so the rows change no solution at all.
#pragma once

#include "model/mod_matrix.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace korvel {

struct PowerOfTwoScaling {
    int row[Array_Size] = {};
    int column[Array_Size] = {};

    bool Is_Identity(int n) const;
};

// x·2^e exactly as std::ldexp gives it (correctly rounded, the same flags raised). A
// product with a power of two is exact whenever it is a normal number, so that case takes
// one multiplication instead of a library call: a solve makes a thousand of them.
inline double Times_Power_Of_Two(double x, int e) {
    if (e >= -1022 && e <= 1023) {
        const double product = x * std::bit_cast<double>(static_cast<uint64_t>(e + 1023) << 52);
        if (std::isnormal(product) || x == 0) return product;
    }
    return std::ldexp(x, e);
}

// Exponents that bring each row's largest coefficient, then each column's, to [1, 2), as far
// as every scaled value stays exact: no value goes below the normal range or above 2^1000
// (room for the elimination). A row or column that cannot keep its values exact is left as
// it is. The values must be finite.
PowerOfTwoScaling Choose_Scaling(int n, const double (&A)[Array_Size][Array_Size],
                                 const double (&C)[Array_Size]);

// The scaled system, from A and C into scaled_A and scaled_C (indices 1..n).
void Scale_System(int n, const PowerOfTwoScaling& scaling,
                  const double (&A)[Array_Size][Array_Size], const double (&C)[Array_Size],
                  double (&scaled_A)[Array_Size][Array_Size], double (&scaled_C)[Array_Size]);

// The solution of the system from that of the scaled one, in place; false (x unchanged)
// when a value would not be exact: the solution is then outside the range of a double.
bool Unscale_Solution(int n, const PowerOfTwoScaling& scaling, double (&x)[Array_Size]);

} // namespace korvel
