// FLINT's rationals as the exact routines of the model use them: owners that free what they
// hold on every path, and the reading of a double as the decimal a user typed. Included only
// by the model's exact routines (FLINT's headers are not part of the model's interface).
#pragma once

#include <flint/fmpq.h>
#include <flint/fmpq_mat.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>

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

} // namespace korvel::exact
