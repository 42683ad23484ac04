#include "model/simq_factors.h"

#include <algorithm>
#include <utility>

namespace korvel {

SimQFactors::SimQFactors(int n, const double (&reduced)[Array_Size][Array_Size],
                         const PivotRecord& record)
    : n_(n) {
    for (int i = 1; i <= n; ++i) {
        std::copy(reduced[i] + 1, reduced[i] + n + 1, lu_[i] + 1);
        pivotRow_[i] = i < n ? record.pivotRow[i] : static_cast<int16_t>(n);
    }
    // Each step exchanged its rows only from its own column on: the factors of the earlier
    // columns, left below the diagonal unreduced, follow their rows here.
    for (int k = 2; k < n; ++k)
        if (pivotRow_[k] != k) std::swap_ranges(lu_[k] + 1, lu_[k] + k, lu_[pivotRow_[k]] + 1);
    // Below the diagonal of column k stands the factor that step k multiplied by, the
    // multiplier times the pivot. Each step also negated every row below it, so the row of
    // step k is the usual one times (-1)^(k-1).
    for (int k = 1; k <= n; ++k) {
        for (int i = k + 1; i <= n; ++i)
            lu_[i][k] /= lu_[k][k];
        if (k % 2 == 0)
            for (int j = k; j <= n; ++j)
                lu_[k][j] = -lu_[k][j];
    }
}

void SimQFactors::Solve(double (&x)[Array_Size]) const {
    for (int k = 1; k < n_; ++k)
        std::swap(x[k], x[pivotRow_[k]]);
    for (int i = 2; i <= n_; ++i)
        for (int k = 1; k < i; ++k)
            x[i] -= lu_[i][k] * x[k];
    for (int i = n_; i >= 1; --i) {
        for (int j = i + 1; j <= n_; ++j)
            x[i] -= lu_[i][j] * x[j];
        x[i] /= lu_[i][i];
    }
}

void SimQFactors::Solve_Transposed(double (&x)[Array_Size]) const {
    for (int i = 1; i <= n_; ++i) {
        for (int k = 1; k < i; ++k)
            x[i] -= lu_[k][i] * x[k];
        x[i] /= lu_[i][i];
    }
    for (int i = n_ - 1; i >= 1; --i)
        for (int j = i + 1; j <= n_; ++j)
            x[i] -= lu_[j][i] * x[j];
    for (int k = n_ - 1; k >= 1; --k)
        std::swap(x[k], x[pivotRow_[k]]);
}

} // namespace korvel
