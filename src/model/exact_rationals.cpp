#include "model/exact_rationals.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
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

} // namespace korvel::exact
