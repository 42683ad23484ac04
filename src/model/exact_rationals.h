// FLINT's rationals as the exact routines of the model use them: owners that free what they
// hold on every path, and the reading of a double as the decimal a user typed. Included only
// by the model's exact routines (FLINT's headers are not part of the model's interface).
#pragma once

#include <flint/fmpq.h>
#include <flint/fmpq_mat.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <flint/fmpz_vec.h>

#include <QString>

namespace korvel::exact {

// Owners of FLINT values: Init sets the value up (with the sizes given, for a matrix),
// Clear frees it.
template <class Value, auto Init, auto Clear> struct Owned {
    Value v;
    template <class... Sizes> explicit Owned(Sizes... sizes) { Init(v, sizes...); }
    ~Owned() { Clear(v); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
};

using Rational = Owned<fmpq_t, fmpq_init, fmpq_clear>;
using Integer = Owned<fmpz_t, fmpz_init, fmpz_clear>;
using IntegerMatrix = Owned<fmpz_mat_t, fmpz_mat_init, fmpz_mat_clear>;

struct IntegerVector {
    fmpz* v;
    long length;
    explicit IntegerVector(long n) : v(_fmpz_vec_init(n)), length(n) {}
    ~IntegerVector() { _fmpz_vec_clear(v, length); }
    IntegerVector(const IntegerVector&) = delete;
    IntegerVector& operator=(const IntegerVector&) = delete;
};

struct RationalMatrix : Owned<fmpq_mat_t, fmpq_mat_init, fmpq_mat_clear> {
    using Owned::Owned;
    fmpq* at(long i, long j) { return fmpq_mat_entry(v, i, j); }
};

// base^exponent, for small bases.
void Power_Of(fmpz_t out, unsigned long base, unsigned long exponent);

// "p/q", or "p" for an integer.
QString Text_Of(const fmpq_t value);

// The shortest round-trip text of a double read as its digits times a power of ten: the
// decimal the user typed for anything of up to 15 significant digits (so 0.1 is 1/10).
void Set_Shortest_Decimal(fmpq_t out, double value);

// The sign of num / den - 2^exponent (base 2) or 10^exponent (base 10), for num, den > 0,
// without dividing.
int Compare_To_Power(const fmpz_t num, const fmpz_t den, slong exponent, unsigned long base);

// The double nearest to numerator / denominator (denominator > 0), halves to even; +-inf
// beyond the double range.
double Nearest_Double(const fmpz_t numerator, const fmpz_t denominator);

// [A | C] (n x n + 1) solved with the identity beside C by one fraction-free integer
// elimination, without reducing a single fraction: each row times the common denominator
// d(i) of its entries gives integers D [A | C], and then x(i) = solution(i, 0) / den and
// inverse(A)(i, j) = d(j) solution(i, j + 1) / den (den may be negative).
struct FractionFreeSolution {
    fmpz_mat_t solution; // n x n + 1
    fmpz_t den;
    IntegerVector rowDenominators;
    explicit FractionFreeSolution(long n) : rowDenominators(n) {
        fmpz_mat_init(solution, n, n + 1);
        fmpz_init(den);
    }
    ~FractionFreeSolution() {
        fmpz_mat_clear(solution);
        fmpz_clear(den);
    }
    FractionFreeSolution(const FractionFreeSolution&) = delete;
    FractionFreeSolution& operator=(const FractionFreeSolution&) = delete;
};

// False when A is singular.
bool Solve_Fraction_Free(const fmpq_mat_t augmented, FractionFreeSolution& out);

} // namespace korvel::exact
