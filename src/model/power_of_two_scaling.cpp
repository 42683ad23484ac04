#include "model/power_of_two_scaling.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

namespace korvel {

namespace {

// Scaled values stay within these binary exponents: above the lowest normal one, where
// scaling would drop bits, and far enough below overflow that the elimination's products
// and differences of values near 1 with a large constant do not overflow.
constexpr int Lowest_Exponent = -1022;
constexpr int Highest_Exponent = 1000;

// The binary exponents of a set of values: the largest among those that set the target, and
// the range among all that must stay exact.
struct Exponents {
    int target = INT_MIN;
    int low = INT_MAX;
    int high = INT_MIN;

    void Add(double value, bool sets_target) {
        if (value == 0.0) return;
        // The exponent field of a normal number is its binary exponent (std::ilogb's answer,
        // without the call).
        const int field = static_cast<int>(std::bit_cast<uint64_t>(value) >> 52 & 0x7ff);
        const int e = field != 0 && field != 0x7ff ? field - 1023 : std::ilogb(value);
        if (sets_target) target = std::max(target, e);
        low = std::min(low, e);
        high = std::max(high, e);
    }

    // The shift that brings the target exponent to 0 while every value stays in range, or 0
    // when there is no target or no such shift.
    int Shift() const {
        if (target == INT_MIN) return 0;
        const int least = Lowest_Exponent - low;
        const int most = Highest_Exponent - high;
        if (least > most) return 0;
        return std::clamp(-target, least, most);
    }
};

} // namespace

bool PowerOfTwoScaling::Is_Identity(int n) const {
    for (int i = 1; i <= n; ++i)
        if (row[i] != 0 || column[i] != 0) return false;
    return true;
}

PowerOfTwoScaling Choose_Scaling(int n, const double (&A)[Array_Size][Array_Size],
                                 const double (&C)[Array_Size]) {
    PowerOfTwoScaling scaling;
    for (int i = 1; i <= n; ++i) {
        Exponents row;
        for (int j = 1; j <= n; ++j)
            row.Add(A[i][j], true);
        row.Add(C[i], false);
        scaling.row[i] = row.Shift();
    }
    for (int j = 1; j <= n; ++j) {
        Exponents column;
        for (int i = 1; i <= n; ++i)
            column.Add(Times_Power_Of_Two(A[i][j], scaling.row[i]), true);
        scaling.column[j] = column.Shift();
    }
    return scaling;
}

void Scale_System(int n, const PowerOfTwoScaling& scaling,
                  const double (&A)[Array_Size][Array_Size], const double (&C)[Array_Size],
                  double (&scaled_A)[Array_Size][Array_Size], double (&scaled_C)[Array_Size]) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            scaled_A[i][j] = Times_Power_Of_Two(A[i][j], scaling.row[i] + scaling.column[j]);
        scaled_C[i] = Times_Power_Of_Two(C[i], scaling.row[i]);
    }
}

bool Unscale_Solution(int n, const PowerOfTwoScaling& scaling, double (&x)[Array_Size]) {
    double unscaled[Array_Size];
    for (int j = 1; j <= n; ++j) {
        unscaled[j] = std::ldexp(x[j], scaling.column[j]);
        if (!std::isfinite(unscaled[j]) || std::ldexp(unscaled[j], -scaling.column[j]) != x[j])
            return false;
    }
    std::copy(unscaled + 1, unscaled + n + 1, x + 1);
    return true;
}

} // namespace korvel
