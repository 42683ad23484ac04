// How far uncertain data can move the answer: for data known only to a relative tolerance
// (every coefficient a somewhere in [a - tA·|a|, a + tA·|a|], every constant likewise with
// tC), a lower and an upper bound on every unknown that hold for every system inside that
// box. The bounds are guaranteed, not estimated: the system is solved and inverted exactly
// (its values read as the exact check reads them), and every bound after that is computed
// with each rounding taken outward.
#pragma once

#include "model/mod_matrix.h"

#include <optional>
#include <vector>

namespace korvel {

struct UnknownBounds {
    double value = 0; // the exact solution, to the nearest double
    double low = 0;   // every solution inside the box has this unknown >= low...
    double high = 0;  // ...and <= high; both meaningful only when the system is bounded
    // The single coefficient (row, column) or constant (row, column n + 1) whose uncertainty
    // moves this unknown most, to first order, and its share (0..1) of the first-order spread.
    // Row 0 when the data is exact.
    int driverRow = 0;
    int driverColumn = 0;
    double driverShare = 0;
};

struct UncertaintyBounds {
    double coefficients = 0; // tA, as given
    double constants = 0;    // tC, as given
    // The bounds hold: no system inside the box is singular, as shown. When false, the
    // tolerance may admit a singular system and low and high say nothing.
    bool bounded = false;
    // A tolerance (the same for coefficients and constants) below which bounds always
    // hold, itself rounded down; 0 when none can be shown. Infinite when A's uncertainty
    // cannot matter (never for a real system).
    double boundedUpTo = 0;
    std::vector<UnknownBounds> unknowns; // 1..n in order

    // The unknown (1-based) with the widest bounds relative to its value: the least certain.
    // 0 when not bounded or when every bound is a single point.
    int Least_Certain() const;
};

// A is read at a[i][j], C at c[i], for i, j = 1..n. Empty when A is singular (no unique
// solution to bound) or a tolerance is negative or not finite.
std::optional<UncertaintyBounds> Bound_System(int n, const double (*a)[Array_Size], const double* c,
                                              double coefficients, double constants);

// The model as it stands (A_Matrix, C_Vector).
std::optional<UncertaintyBounds> Bound_Model(double coefficients, double constants);

} // namespace korvel
