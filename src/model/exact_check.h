// The exact check of a system: every coefficient and constant taken as the shortest decimal
// that reads back to the same 64-bit float (so 0.1 is 1/10), the system solved exactly in
// rational arithmetic, and the solver's floating-point answer measured against it.
#pragma once

#include "model/mod_matrix.h"

#include <QString>

#include <cmath>
#include <optional>
#include <vector>

namespace korvel {

enum class SolutionKind { Unique, None, Infinite };

// x(unknown) = constant + sum of factor * x(free unknown), all exact fractions ("p/q" or "p").
struct GeneralUnknown {
    int unknown = 0; // 1-based
    QString constant;
    std::vector<std::pair<int, QString>> terms; // (free unknown, factor), factor never 0
};

// A non-negative quantity of the check (a condition number, a residual), exact as the check
// finds it. It reads as its nearest double wherever a double is wanted; a system with values
// near both ends of the double range can have a condition number or a residual beyond that
// range, where the double is +inf (or 0 for a residual below the smallest double) and only
// `rounded` tells the value.
struct ExactMagnitude {
    double nearest = 0; // the exact value correctly rounded to the nearest double
    QString rounded;    // the exact value correctly rounded to 17 digits; empty when not known
    ExactMagnitude(double value = 0) : nearest(value) {}
    operator double() const { return nearest; }
    // The double does not tell the value: it overflowed to inf or underflowed to 0.
    bool Beyond_Double() const {
        return !rounded.isEmpty() &&
               (std::isinf(nearest) || (nearest == 0 && rounded != QLatin1String("0")));
    }
};

struct ExactUnknown {
    QString exact;                  // "p/q" or "p"; empty unless the solution is unique
    QString rounded;                // the exact value correctly rounded to 17 digits
    std::optional<double> computed; // the solver's value, when it gave one
    // 0..17, when both are known; for an exact 0, against the largest value of the solution
    std::optional<int> correctDigits;
};

struct ExactCheck {
    SolutionKind kind = SolutionKind::Unique;
    int n = 0;
    int rank = 0;                            // of A
    int rankAugmented = 0;                   // of [A | C]
    std::optional<ExactMagnitude> condition; // ||A||1 * ||inverse of A||1, unique solutions only
    std::optional<ExactMagnitude> residual;  // largest |A x - C| of the solver's answer
    std::vector<ExactUnknown> unknowns;      // 1..n in order
    std::vector<int> freeUnknowns;           // 1-based, infinitely many solutions only
    std::vector<GeneralUnknown> general;     // the other unknowns, infinitely many only

    // The fewest correct digits over all unknowns, when the solver's answer is known.
    std::optional<int> Weakest_Digits() const;
};

// A is read at a[i][j], C at c[i], for i, j = 1..n (row-major, stride Array_Size); computed
// is the solver's answer x[1..n], or null when it stopped.
ExactCheck Check_System(int n, const double (*a)[Array_Size], const double* c,
                        const double* computed);

// The check of the model as it stands (A_Matrix, C_Vector), with X_Vector as the solver's
// answer when solved is true.
ExactCheck Check_Model(bool solved);

// FLINT keeps caches for each thread that uses it. A thread that made exact checks frees its
// own before it ends; the program's main thread frees its own and FLINT's shared ones when
// its exact work is over.
void Release_Exact_Thread_Caches();
void Release_Exact_Caches();

// A fraction text ("p/q" or "p") correctly rounded to the nearest double, halves to even;
// +-inf beyond the double range, NaN for a text that is not a fraction.
double Nearest_Double(const QString& fraction);

} // namespace korvel
