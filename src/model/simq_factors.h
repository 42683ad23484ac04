// The LU factors of P·A that SimQ's elimination leaves behind, rebuilt so that systems with A
// and with its transpose can be solved in O(n²) (what a condition estimate needs).
#pragma once

#include "model/mod_matrix.h"
#include "model/simq_kernel.h"

namespace korvel {

class SimQFactors {
  public:
    // reduced is A as a successful SimQ left it, record its row exchanges.
    SimQFactors(int n, const double (&reduced)[Array_Size][Array_Size], const PivotRecord& record);

    int Size() const { return n_; }
    // x = A⁻¹·x, x = A⁻ᵀ·x over indices 1..n.
    void Solve(double (&x)[Array_Size]) const;
    void Solve_Transposed(double (&x)[Array_Size]) const;

  private:
    int n_;
    double lu_[Array_Size][Array_Size]; // L's multipliers below the diagonal, U on and above
    int16_t pivotRow_[Array_Size];
};

} // namespace korvel
