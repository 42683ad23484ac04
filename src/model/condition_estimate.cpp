#include "model/condition_estimate.h"

#include "model/power_of_two_scaling.h"

#include <cmath>
#include <limits>

namespace korvel {

namespace {

constexpr int Most_Iterations = 5;

double Sum_Of_Magnitudes(int n, const double (&x)[Array_Size]) {
    double sum = 0.0;
    for (int i = 1; i <= n; ++i)
        sum += std::fabs(x[i]);
    return sum;
}

int Largest_Magnitude(int n, const double (&x)[Array_Size]) {
    int largest = 1;
    for (int i = 2; i <= n; ++i)
        if (std::fabs(x[i]) > std::fabs(x[largest])) largest = i;
    return largest;
}

// Columns of A⁻¹ beyond the double range: the factors' last pivot is as good as zero.
constexpr double Beyond_Range = std::numeric_limits<double>::infinity();

double Sign(double v) {
    return v >= 0.0 ? 1.0 : -1.0;
}

// B = (R·A·S)⁻¹ = S⁻¹·A⁻¹·R⁻¹ and its transpose, applied with A's factors.
class EquilibratedInverse {
  public:
    EquilibratedInverse(const SimQFactors& factors, const PowerOfTwoScaling& scaling)
        : factors_(factors), scaling_(scaling) {}

    int Size() const { return factors_.Size(); }
    void Solve(double (&x)[Array_Size]) const {
        Scale(x, scaling_.row);
        factors_.Solve(x);
        Scale(x, scaling_.column);
    }
    void Solve_Transposed(double (&x)[Array_Size]) const {
        Scale(x, scaling_.column);
        factors_.Solve_Transposed(x);
        Scale(x, scaling_.row);
    }

  private:
    void Scale(double (&x)[Array_Size], const int (&exponent)[Array_Size]) const {
        for (int i = 1; i <= Size(); ++i)
            x[i] = Times_Power_Of_Two(x[i], -exponent[i]);
    }
    const SimQFactors& factors_;
    const PowerOfTwoScaling& scaling_;
};

// An estimate of ‖B‖₁ (dlacn2): the largest column of A⁻¹ found by a few steps of a
// gradient search, checked against an alternating vector that catches what it misses.
double Inverse_One_Norm(const EquilibratedInverse& factors) {
    const int n = factors.Size();
    double x[Array_Size] = {};
    for (int i = 1; i <= n; ++i)
        x[i] = 1.0 / n;
    factors.Solve(x);
    double estimate = Sum_Of_Magnitudes(n, x);
    if (!std::isfinite(estimate)) return Beyond_Range;
    if (n == 1) return estimate;
    double sign[Array_Size] = {};
    for (int i = 1; i <= n; ++i)
        x[i] = sign[i] = Sign(x[i]);
    factors.Solve_Transposed(x);
    if (!std::isfinite(Sum_Of_Magnitudes(n, x))) return Beyond_Range;
    int j = Largest_Magnitude(n, x);
    for (int iteration = 2; iteration <= Most_Iterations; ++iteration) {
        std::fill(x + 1, x + n + 1, 0.0);
        x[j] = 1.0;
        factors.Solve(x);
        const double previous = estimate;
        estimate = Sum_Of_Magnitudes(n, x);
        if (!std::isfinite(estimate)) return Beyond_Range;
        bool same_signs = true;
        for (int i = 1; i <= n; ++i)
            same_signs = same_signs && Sign(x[i]) == sign[i];
        if (same_signs || !(estimate > previous)) break;
        for (int i = 1; i <= n; ++i)
            x[i] = sign[i] = Sign(x[i]);
        factors.Solve_Transposed(x);
        if (!std::isfinite(Sum_Of_Magnitudes(n, x))) return Beyond_Range;
        const int last = j;
        j = Largest_Magnitude(n, x);
        if (std::fabs(x[last]) == std::fabs(x[j])) break;
    }
    double alternating = 1.0;
    for (int i = 1; i <= n; ++i, alternating = -alternating)
        x[i] = alternating * (1.0 + double(i - 1) / (n - 1));
    factors.Solve(x);
    if (!std::isfinite(Sum_Of_Magnitudes(n, x))) return Beyond_Range;
    return std::fmax(estimate, 2.0 * Sum_Of_Magnitudes(n, x) / (3.0 * n));
}

} // namespace

double Reciprocal_Condition(const double (&A)[Array_Size][Array_Size], const SimQFactors& factors) {
    const int n = factors.Size();
    const double no_constants[Array_Size] = {};
    const PowerOfTwoScaling scaling = Choose_Scaling(n, A, no_constants);
    double norm = 0.0;
    for (int j = 1; j <= n; ++j) {
        double sum = 0.0;
        for (int i = 1; i <= n; ++i)
            sum += std::fabs(Times_Power_Of_Two(A[i][j], scaling.row[i] + scaling.column[j]));
        norm = std::fmax(norm, sum);
    }
    const double inverse_norm = Inverse_One_Norm(EquilibratedInverse(factors, scaling));
    if (!std::isfinite(inverse_norm) || norm == 0.0) return 0.0;
    // As dgecon: the reciprocal of each norm in turn, so that neither product can overflow.
    return (1.0 / inverse_norm) / norm;
}

bool Singular_To_Working_Precision(int n, double reciprocal_condition) {
    return reciprocal_condition < n * std::numeric_limits<double>::epsilon();
}

} // namespace korvel
