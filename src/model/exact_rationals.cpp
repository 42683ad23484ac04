#include "model/exact_rationals.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace korvel::exact {

// base^exponent, for small bases.
void Power_Of(fmpz_t out, unsigned long base, unsigned long exponent) {
    fmpz_set_ui(out, base);
    fmpz_pow_ui(out, out, exponent);
}

QString Text_Of(const fmpq_t value) {
    char* text = fmpq_get_str(nullptr, 10, value);
    const QString result = QString::fromLatin1(text);
    flint_free(text);
    return result;
}

// The shortest round-trip text, "d.ddde±x", gives the digits and the power of ten.
void Set_Shortest_Decimal(fmpq_t out, double value) {
    // The model never holds an infinity or NaN (reading a number refuses them).
    if (!std::isfinite(value)) {
        fmpq_zero(out);
        return;
    }
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string digits;
    int exponent = 0;
    bool negative = false;
    for (const char* p = buffer; p < written.ptr; ++p) {
        if (*p == '-') {
            negative = true;
        } else if (*p >= '0' && *p <= '9') {
            digits += *p;
        } else if (*p == 'e') {
            // The text is not terminated: read the exponent up to its end only.
            const char* start = p + 1;
            if (start < written.ptr && *start == '+') ++start;
            std::from_chars(start, written.ptr, exponent);
            break;
        }
    }
    const long scale = exponent - static_cast<long>(digits.size()) + 1;
    Integer mantissa, power;
    fmpz_set_str(mantissa.v, digits.c_str(), 10);
    if (negative) fmpz_neg(mantissa.v, mantissa.v);
    Power_Of(power.v, 10, static_cast<unsigned long>(std::labs(scale)));
    if (scale >= 0) {
        fmpz_mul(mantissa.v, mantissa.v, power.v);
        fmpq_set_fmpz(out, mantissa.v);
    } else {
        fmpq_set_fmpz_frac(out, mantissa.v, power.v);
    }
}

// The sign of num / den - 2^exponent (base 2) or 10^exponent (base 10), for num, den > 0,
// without dividing.
int Compare_To_Power(const fmpz_t num, const fmpz_t den, slong exponent, unsigned long base) {
    Integer left, right;
    Power_Of(left.v, base, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    if (exponent >= 0) {
        fmpz_mul(right.v, den, left.v);
        fmpz_set(left.v, num);
    } else {
        fmpz_mul(left.v, num, left.v);
        fmpz_set(right.v, den);
    }
    return fmpz_cmp(left.v, right.v);
}

// The double nearest to numerator / denominator (denominator > 0, neither reduced nor
// canonical needed), halves to even; +-inf beyond the double range. (fmpq_get_d rounds
// toward zero: 16/5 would come out as 3.1999999999999997.)
double Nearest_Double(const fmpz_t numerator, const fmpz_t denominator) {
    if (fmpz_is_zero(numerator)) return 0;
    Integer num, den, quotient, remainder;
    fmpz_abs(num.v, numerator);
    fmpz_set(den.v, denominator);
    // 2^e <= |value| < 2^(e + 1): the numbers of bits give e or e + 1.
    slong e = static_cast<slong>(fmpz_bits(num.v)) - static_cast<slong>(fmpz_bits(den.v));
    if (Compare_To_Power(num.v, den.v, e, 2) < 0) --e;
    const double sign = fmpz_sgn(numerator) < 0 ? -1.0 : 1.0;
    if (e > std::numeric_limits<double>::max_exponent - 1)
        return sign * std::numeric_limits<double>::infinity();
    // The weight of the last bit a double keeps: 53 bits, fewer below the normal range.
    const slong unit = std::max<slong>(e - 52, std::numeric_limits<double>::min_exponent - 53);
    if (unit >= 0)
        fmpz_mul_2exp(den.v, den.v, static_cast<flint_bitcnt_t>(unit));
    else
        fmpz_mul_2exp(num.v, num.v, static_cast<flint_bitcnt_t>(-unit));
    fmpz_fdiv_qr(quotient.v, remainder.v, num.v, den.v);
    fmpz_mul_2exp(remainder.v, remainder.v, 1);
    const int half = fmpz_cmp(remainder.v, den.v);
    if (half > 0 || (half == 0 && fmpz_is_odd(quotient.v))) fmpz_add_ui(quotient.v, quotient.v, 1);
    // quotient <= 2^53 is exact as a double; 2^53 * 2^971 is 2^1024, which overflows to inf.
    return sign * std::ldexp(fmpz_get_d(quotient.v), static_cast<int>(unit));
}

bool Solve_Fraction_Free(const fmpq_mat_t augmented, FractionFreeSolution& out) {
    const long n = fmpq_mat_nrows(augmented);
    IntegerMatrix scaled(n, n + 1), coefficients(n, n), right(n, n + 1);
    fmpq_mat_get_fmpz_mat_rowwise(scaled.v, out.rowDenominators.v, augmented);
    for (long i = 0; i < n; ++i) {
        for (long j = 0; j < n; ++j)
            fmpz_set(fmpz_mat_entry(coefficients.v, i, j), fmpz_mat_entry(scaled.v, i, j));
        fmpz_set(fmpz_mat_entry(right.v, i, 0), fmpz_mat_entry(scaled.v, i, n));
        fmpz_one(fmpz_mat_entry(right.v, i, i + 1));
    }
    return fmpz_mat_solve_fflu(out.solution, out.den, coefficients.v, right.v) != 0;
}

} // namespace korvel::exact
