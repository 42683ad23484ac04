#include "model/exact_check.h"

#include "model/exact_rationals.h"

#include <flint/flint.h>
#include <flint/fmpq.h>
#include <flint/fmpq_mat.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <flint/fmpz_vec.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace korvel {

namespace {

using exact::Integer;
using exact::IntegerMatrix;
using exact::IntegerVector;
using exact::Rational;
using exact::Set_Shortest_Decimal;
using exact::Text_Of;
using Matrix = exact::RationalMatrix;
using exact::Compare_To_Power;
using exact::Nearest_Double;
using exact::Power_Of;

// The exact binary value of a double.
void Set_Exact_Double(fmpq_t out, double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent); // value = fraction * 2^exponent
    Integer mantissa;
    fmpz_set_d(mantissa.v, std::ldexp(fraction, 53)); // exact: 53 bits
    fmpq_set_fmpz(out, mantissa.v);
    const long shift = exponent - 53;
    if (shift >= 0)
        fmpq_mul_2exp(out, out, static_cast<flint_bitcnt_t>(shift));
    else
        fmpq_div_2exp(out, out, static_cast<flint_bitcnt_t>(-shift));
}

// floor(log10(num / den)) for num, den > 0, exactly: estimated from the numbers of digits
// (off by at most two), then corrected by comparisons with powers of ten.
slong Decimal_Exponent(const fmpz_t num, const fmpz_t den) {
    slong e =
        static_cast<slong>(fmpz_sizeinbase(num, 10)) - static_cast<slong>(fmpz_sizeinbase(den, 10));
    while (Compare_To_Power(num, den, e, 10) < 0)
        --e;
    while (Compare_To_Power(num, den, e + 1, 10) >= 0)
        ++e;
    return e;
}

// Correct significant digits when the relative error is error / scale (both >= 0, scale >
// 0): floor(-log10(error / scale)), 0 to 17. The ratio is compared with 1 exactly and only
// then rounded to a double, which lies in [0, 1] and so is never out of range (0, from an
// underflow, is far below 10^-17).
int Digits_Of_Relative_Error(const fmpz_t error, const fmpz_t scale) {
    if (fmpz_cmp(error, scale) >= 0) return 0;
    const double relative = Nearest_Double(error, scale);
    if (relative <= 0) return 17;
    return std::clamp(static_cast<int>(std::floor(-std::log10(relative))), 0, 17);
}

// An exact zero has no significant digits to count: the error is measured against the
// largest value of the solution instead (scale, not negative), so a well-conditioned
// system's 1e-17 in place of 0 is as right as its other values.
int Digits_Against_Zero(const fmpq_t approx, const fmpq_t scale) {
    if (fmpq_is_zero(scale)) return 0;
    // |a/b| / (s/t) is |a| t / (s b).
    Integer error, size;
    fmpz_mul(error.v, fmpq_numref(approx), fmpq_denref(scale));
    fmpz_abs(error.v, error.v);
    fmpz_mul(size.v, fmpq_numref(scale), fmpq_denref(approx));
    return Digits_Of_Relative_Error(error.v, size.v);
}

int Digits_Against(double computed, const fmpq_t exact, const fmpq_t zero_scale) {
    if (!std::isfinite(computed)) return 0;
    Rational approx;
    Set_Exact_Double(approx.v, computed);
    if (fmpq_equal(approx.v, exact)) return 17;
    if (fmpq_is_zero(exact)) return zero_scale ? Digits_Against_Zero(approx.v, zero_scale) : 0;
    // The relative error |a/b - p/q| / |p/q| is |a q - p b| / |p b|: two integers, so no
    // fraction has to be reduced to lowest terms.
    Integer error, scale;
    fmpz_mul(error.v, fmpq_numref(approx.v), fmpq_denref(exact));
    fmpz_submul(error.v, fmpq_numref(exact), fmpq_denref(approx.v));
    fmpz_abs(error.v, error.v);
    fmpz_mul(scale.v, fmpq_numref(exact), fmpq_denref(approx.v));
    fmpz_abs(scale.v, scale.v);
    return Digits_Of_Relative_Error(error.v, scale.v);
}

// The exact value correctly rounded to 17 significant digits, in the shortest text that
// reads back as that decimal ("2", "0.33333333333333333", "1.2345678901234568e+20"). Every
// step is on integers, so a value far beyond the double range is rounded as well.
QString Rounded_17(const fmpq_t exact) {
    if (fmpq_is_zero(exact)) return QStringLiteral("0");
    Integer num, den, power, scaled, high;
    fmpz_abs(num.v, fmpq_numref(exact));
    fmpz_set(den.v, fmpq_denref(exact));
    slong e = Decimal_Exponent(num.v, den.v); // 10^e <= |exact| < 10^(e + 1)
    // scaled = round(|exact| * 10^(16 - e)), halves away from zero: 10^16 <= scaled <= 10^17.
    const slong shift = 16 - e;
    Power_Of(power.v, 10, static_cast<unsigned long>(shift < 0 ? -shift : shift));
    if (shift >= 0)
        fmpz_mul(num.v, num.v, power.v);
    else
        fmpz_mul(den.v, den.v, power.v);
    fmpz_mul_2exp(num.v, num.v, 1);
    fmpz_add(num.v, num.v, den.v);
    fmpz_mul_2exp(den.v, den.v, 1);
    fmpz_fdiv_q(scaled.v, num.v, den.v);
    Power_Of(high.v, 10, 17);
    if (fmpz_equal(scaled.v, high.v)) { // 9.99...95 and above round up to the next power
        fmpz_divexact_ui(scaled.v, scaled.v, 10);
        ++e;
    }
    char* text = fmpz_get_str(nullptr, 10, scaled.v);
    std::string digits(text);
    flint_free(text);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const QString sign = fmpq_sgn(exact) < 0 ? QStringLiteral("-") : QString();
    const QString mantissa = QString::fromStdString(digits);
    if (e >= 0 && e < 17) {
        const int whole = static_cast<int>(e) + 1;
        if (mantissa.size() <= whole)
            return sign + mantissa + QString(whole - mantissa.size(), QLatin1Char('0'));
        return sign + mantissa.left(whole) + QLatin1Char('.') + mantissa.mid(whole);
    }
    if (e < 0 && e >= -5)
        return sign + QStringLiteral("0.") + QString(static_cast<int>(-e - 1), QLatin1Char('0')) +
               mantissa;
    QString out = sign + mantissa.left(1);
    if (mantissa.size() > 1) out += QLatin1Char('.') + mantissa.mid(1);
    return out + (e < 0 ? QStringLiteral("e-") : QStringLiteral("e+")) +
           QString::number(e < 0 ? -e : e).rightJustified(2, QLatin1Char('0'));
}

double Nearest_Double(const fmpq_t value) {
    return Nearest_Double(fmpq_numref(value), fmpq_denref(value));
}

ExactMagnitude Magnitude_Of(const fmpq_t value) {
    ExactMagnitude magnitude(Nearest_Double(value));
    magnitude.rounded = Rounded_17(value);
    return magnitude;
}

// ||M||1 of the first columns of M: the largest column sum of absolute values.
void One_Norm(fmpq_t out, const fmpq_mat_t m, long columns) {
    Rational sum, entry;
    fmpq_zero(out);
    for (long j = 0; j < columns; ++j) {
        fmpq_zero(sum.v);
        for (long i = 0; i < fmpq_mat_nrows(m); ++i) {
            fmpq_abs(entry.v, fmpq_mat_entry(m, i, j));
            fmpq_add(sum.v, sum.v, entry.v);
        }
        if (fmpq_cmp(sum.v, out) > 0) fmpq_set(out, sum.v);
    }
}

// The unique solution of [A | C] and ||inverse of A||1 from one fraction-free integer
// elimination. At n = 16 this is several times faster than a rational reduced form and a
// rational inverse, which reduce each of their entries to lowest terms. Each row times the
// common denominator d(i) of its entries gives integers [B | b] = D [A | C], so
// x = inverse(B) b and inverse(A) = inverse(B) D; elimination gives inverse(B) = P / den,
// so column j of inverse(A) is d(j) P(., j) / den. Returns false when A is singular.
bool Solve_Unique(const fmpq_mat_t augmented, std::vector<Rational>& x, fmpq_t inverse_norm) {
    const long n = fmpq_mat_nrows(augmented);
    exact::FractionFreeSolution solved(n);
    if (!exact::Solve_Fraction_Free(augmented, solved)) return false;
    const fmpz_mat_t& solution = solved.solution;
    Integer sum, entry, largest;
    fmpz* const den = solved.den;
    fmpz* const row_denominators = solved.rowDenominators.v;
    for (long i = 0; i < n; ++i)
        fmpq_set_fmpz_frac(x[static_cast<size_t>(i)].v, fmpz_mat_entry(solution, i, 0), den);
    for (long j = 0; j < n; ++j) {
        fmpz_zero(sum.v);
        for (long i = 0; i < n; ++i) {
            fmpz_abs(entry.v, fmpz_mat_entry(solution, i, j + 1));
            fmpz_add(sum.v, sum.v, entry.v);
        }
        fmpz_mul(sum.v, sum.v, row_denominators + j);
        if (fmpz_cmp(sum.v, largest.v) > 0) fmpz_set(largest.v, sum.v);
    }
    fmpz_abs(den, den);
    fmpq_set_fmpz_frac(inverse_norm, largest.v, den);
    return true;
}

// The largest |A x - C| of an answer x[1..n] of finite doubles, exactly. Each row is taken
// over the common denominator d(i) of its entries, [B | b] = D [A | C], and x as integers
// X times 2^low, so that row i's residual is |B(i) X 2^low - b(i)| / d(i): only the
// comparison of rows and the final value are fractions, and none is reduced.
ExactMagnitude Largest_Residual(const fmpq_mat_t augmented, const double* x) {
    const long n = fmpq_mat_nrows(augmented);
    IntegerMatrix scaled(n, n + 1);
    IntegerVector row_denominators(n);
    fmpq_mat_get_fmpz_mat_rowwise(scaled.v, row_denominators.v, augmented);
    std::vector<long> shifts(static_cast<size_t>(n));
    IntegerVector mantissas(n);
    for (long j = 0; j < n; ++j) {
        int exponent = 0;
        const double fraction = std::frexp(x[j + 1], &exponent); // x = fraction * 2^exponent
        fmpz_set_d(mantissas.v + j, std::ldexp(fraction, 53));   // exact: 53 bits
        shifts[static_cast<size_t>(j)] = exponent - 53;
    }
    const long low = *std::min_element(shifts.begin(), shifts.end());
    for (long j = 0; j < n; ++j)
        fmpz_mul_2exp(mantissas.v + j, mantissas.v + j,
                      static_cast<flint_bitcnt_t>(shifts[static_cast<size_t>(j)] - low));
    Integer sum, denominator, largest_numerator, largest_denominator, left, right;
    fmpz_one(largest_denominator.v);
    for (long i = 0; i < n; ++i) {
        fmpz_zero(sum.v);
        for (long j = 0; j < n; ++j)
            fmpz_addmul(sum.v, fmpz_mat_entry(scaled.v, i, j), mantissas.v + j);
        fmpz_set(denominator.v, row_denominators.v + i);
        if (low >= 0) {
            fmpz_mul_2exp(sum.v, sum.v, static_cast<flint_bitcnt_t>(low));
            fmpz_sub(sum.v, sum.v, fmpz_mat_entry(scaled.v, i, n));
        } else {
            fmpz_mul_2exp(left.v, fmpz_mat_entry(scaled.v, i, n),
                          static_cast<flint_bitcnt_t>(-low));
            fmpz_sub(sum.v, sum.v, left.v);
            fmpz_mul_2exp(denominator.v, denominator.v, static_cast<flint_bitcnt_t>(-low));
        }
        fmpz_abs(sum.v, sum.v);
        // sum / denominator > largest_numerator / largest_denominator, without dividing.
        fmpz_mul(left.v, sum.v, largest_denominator.v);
        fmpz_mul(right.v, largest_numerator.v, denominator.v);
        if (fmpz_cmp(left.v, right.v) > 0) {
            fmpz_swap(largest_numerator.v, sum.v);
            fmpz_swap(largest_denominator.v, denominator.v);
        }
    }
    Rational largest;
    fmpq_set_fmpz_frac(largest.v, largest_numerator.v, largest_denominator.v);
    return Magnitude_Of(largest.v);
}

// Classifies a singular system from the reduced row echelon form of [A | C]: no solution,
// or the general solution with its free unknowns.
void Check_Singular(ExactCheck& check, const fmpq_mat_t augmented) {
    const int n = check.n;
    Matrix reduced(n, n + 1);
    check.rankAugmented = static_cast<int>(fmpq_mat_rref(reduced.v, augmented));

    // Pivot columns of the reduced form, row by row.
    std::vector<int> pivots;
    for (int r = 0; r < check.rankAugmented; ++r) {
        int column = 0;
        while (column <= n && fmpq_is_zero(reduced.at(r, column)))
            ++column;
        pivots.push_back(column);
    }
    const bool inconsistent = !pivots.empty() && pivots.back() == n;
    check.rank = check.rankAugmented - (inconsistent ? 1 : 0);
    if (inconsistent) {
        check.kind = SolutionKind::None;
        return;
    }
    check.kind = SolutionKind::Infinite;
    std::vector<bool> is_pivot(static_cast<size_t>(n), false);
    for (int column : pivots)
        is_pivot[static_cast<size_t>(column)] = true;
    for (int j = 0; j < n; ++j)
        if (!is_pivot[static_cast<size_t>(j)]) check.freeUnknowns.push_back(j + 1);
    Rational factor;
    for (int r = 0; r < check.rank; ++r) {
        GeneralUnknown row;
        row.unknown = pivots[static_cast<size_t>(r)] + 1;
        row.constant = Text_Of(reduced.at(r, n));
        for (int f : check.freeUnknowns) {
            if (fmpq_is_zero(reduced.at(r, f - 1))) continue;
            fmpq_neg(factor.v, reduced.at(r, f - 1));
            row.terms.emplace_back(f, Text_Of(factor.v));
        }
        check.general.push_back(std::move(row));
    }
}

} // namespace

std::optional<int> ExactCheck::Weakest_Digits() const {
    std::optional<int> weakest;
    for (const ExactUnknown& unknown : unknowns)
        if (unknown.correctDigits && (!weakest || *unknown.correctDigits < *weakest))
            weakest = unknown.correctDigits;
    return weakest;
}

ExactCheck Check_System(int n, const double (*a)[Array_Size], const double* c,
                        const double* computed) {
    ExactCheck check;
    check.n = n;
    Matrix augmented(n, n + 1);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            Set_Shortest_Decimal(augmented.at(i, j), a[i + 1][j + 1]);
        Set_Shortest_Decimal(augmented.at(i, n), c[i + 1]);
    }
    check.unknowns.resize(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j)
        if (computed) check.unknowns[static_cast<size_t>(j)].computed = computed[j + 1];

    std::vector<Rational> x(static_cast<size_t>(n));
    Rational inverse_norm;
    if (Solve_Unique(augmented.v, x, inverse_norm.v)) {
        check.kind = SolutionKind::Unique;
        check.rank = check.rankAugmented = n;
        Rational largest, size;
        for (const Rational& value : x) {
            fmpq_abs(size.v, value.v);
            if (fmpq_cmp(size.v, largest.v) > 0) fmpq_set(largest.v, size.v);
        }
        for (int j = 0; j < n; ++j) {
            ExactUnknown& unknown = check.unknowns[static_cast<size_t>(j)];
            const fmpq* value = x[static_cast<size_t>(j)].v;
            unknown.exact = Text_Of(value);
            unknown.rounded = Rounded_17(value);
            if (computed) unknown.correctDigits = Digits_Against(computed[j + 1], value, largest.v);
        }
        Rational norm;
        One_Norm(norm.v, augmented.v, n);
        fmpq_mul(norm.v, norm.v, inverse_norm.v);
        check.condition = Magnitude_Of(norm.v);
    } else {
        Check_Singular(check, augmented.v);
    }

    // The residual of the solver's own answer, whatever the system.
    if (computed) {
        bool finite = true;
        for (int j = 1; j <= n; ++j)
            finite = finite && std::isfinite(computed[j]);
        if (finite) check.residual = Largest_Residual(augmented.v, computed);
    }
    return check;
}

ExactCheck Check_Model(bool solved) {
    return Check_System(Num_Equations, A_Matrix, C_Vector, solved ? X_Vector : nullptr);
}

void Release_Exact_Thread_Caches() {
    flint_cleanup();
}

void Release_Exact_Caches() {
    flint_cleanup_master();
}

double Nearest_Double(const QString& fraction) {
    Rational value;
    if (fmpq_set_str(value.v, fraction.toLatin1().constData(), 10) != 0 ||
        fmpz_is_zero(fmpq_denref(value.v)))
        return std::numeric_limits<double>::quiet_NaN();
    fmpq_canonicalise(value.v);
    return Nearest_Double(value.v);
}

} // namespace korvel
