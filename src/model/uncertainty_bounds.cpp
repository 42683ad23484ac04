// The bounds come from the exact inverse B of A. A system inside the box is (A + dA) x~ =
// C + dC with |dA| <= tA|A| and |dC| <= tC|C|, so e = |x~ - x| satisfies
//     e <= d + R e,   d = |B| (tA |A| |x| + tC |C|),   R = tA |B| |A|.
// When the spectral radius of R is below 1, no such system is singular and e <= u for any
// u >= 0 with R u + d <= u. The radius is bounded above by Collatz and Wielandt's
// max (M v)_i / v_i over a positive v (M = |B| |A|), and u is an approximate solution of
// (I - R) u = d, enlarged until it passes that test. Every quantity of the tests is an upper
// bound: each operation's result is moved one step outward, past where the exact result
// can lie.
#include "model/uncertainty_bounds.h"

#include "model/exact_rationals.h"

#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvel {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

double Up(double x) {
    return std::nextafter(x, Infinity);
}
double Down(double x) {
    return std::nextafter(x, -Infinity);
}
// Upper bounds of the sum and product of non-negative numbers.
double Add_Up(double x, double y) {
    return Up(x + y);
}
double Mul_Up(double x, double y) {
    return x == 0 || y == 0 ? 0 : Up(x * y);
}
// An upper bound of |v| where v is the exact decimal a double stands for (or any number
// whose nearest double it is).
double Magnitude_Up(double v) {
    return v == 0 ? 0 : Up(std::fabs(v));
}

// An n x n matrix of doubles, row by row.
struct Square {
    int n;
    std::vector<double> cells;
    explicit Square(int size) : n(size), cells(static_cast<size_t>(size * size)) {}
    double& operator()(int i, int j) { return cells[static_cast<size_t>(i * n + j)]; }
    double operator()(int i, int j) const { return cells[static_cast<size_t>(i * n + j)]; }
};
using Vector = std::vector<double>;

// Upper bound of m · v for non-negative m and v.
Vector Times_Up(const Square& m, const Vector& v) {
    Vector out(static_cast<size_t>(m.n), 0.0);
    for (int i = 0; i < m.n; ++i)
        for (int j = 0; j < m.n; ++j)
            out[static_cast<size_t>(i)] =
                Add_Up(out[static_cast<size_t>(i)], Mul_Up(m(i, j), v[static_cast<size_t>(j)]));
    return out;
}

// What the exact solution gives the bounds: B's entries to the nearest double and as upper
// bounds of their magnitudes, the solution to the nearest double.
struct ExactSolution {
    Square inverse;
    Square inverseUp;
    Vector x;
    explicit ExactSolution(int n) : inverse(n), inverseUp(n), x(static_cast<size_t>(n)) {}
};

std::optional<ExactSolution> Solve_Exactly(int n, const double (*a)[Array_Size], const double* c) {
    exact::RationalMatrix augmented(n, n + 1);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            exact::Set_Shortest_Decimal(augmented.at(i, j), a[i + 1][j + 1]);
        exact::Set_Shortest_Decimal(augmented.at(i, n), c[i + 1]);
    }
    exact::FractionFreeSolution solved(n);
    if (!exact::Solve_Fraction_Free(augmented.v, solved)) return std::nullopt;
    // Every value is p / den; with den made positive, p carries the sign.
    const bool negative = fmpz_sgn(solved.den) < 0;
    fmpz_abs(solved.den, solved.den);
    exact::Integer numerator;
    auto nearest = [&](long i, long j, const fmpz_t factor) {
        fmpz_mul(numerator.v, fmpz_mat_entry(solved.solution, i, j), factor);
        if (negative) fmpz_neg(numerator.v, numerator.v);
        return exact::Nearest_Double(numerator.v, solved.den);
    };
    exact::Integer one;
    fmpz_one(one.v);
    ExactSolution exact(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            exact.inverse(i, j) = nearest(i, j + 1, solved.rowDenominators.v + j);
            exact.inverseUp(i, j) = Magnitude_Up(exact.inverse(i, j));
        }
        exact.x[static_cast<size_t>(i)] = nearest(i, 0, one.v);
    }
    return exact;
}

// An upper bound of the spectral radius of the non-negative m.
double Spectral_Radius_Up(const Square& m) {
    const auto n = static_cast<size_t>(m.n);
    // The power method gives a vector near the Perron vector, where the bound is tight.
    Vector v(n, 1.0);
    for (int step = 0; step < 40; ++step) {
        Vector next(n, 0.0);
        for (int i = 0; i < m.n; ++i)
            for (int j = 0; j < m.n; ++j)
                next[static_cast<size_t>(i)] += m(i, j) * v[static_cast<size_t>(j)];
        const double largest = *std::max_element(next.begin(), next.end());
        if (!(largest > 0) || !std::isfinite(largest)) break;
        for (double& x : next)
            x /= largest;
        v = next;
    }
    // Any positive v will do: entries near 0 only loosen the bound.
    for (double& x : v)
        x = std::max(x, 1e-6);
    const Vector mv = Times_Up(m, v);
    double radius = 0;
    for (size_t i = 0; i < n; ++i)
        radius = std::max(radius, Up(mv[i] / v[i]));
    return radius;
}

// Solves (I - r) u = d approximately, by elimination with partial pivoting.
Vector Solve_Approximately(const Square& r, Vector d) {
    const int n = r.n;
    Square m(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m(i, j) = (i == j ? 1.0 : 0.0) - r(i, j);
    auto at = [](Vector& v, int i) -> double& { return v[static_cast<size_t>(i)]; };
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(m(i, k)) > std::fabs(m(pivot, k))) pivot = i;
        if (m(pivot, k) == 0) return Vector(static_cast<size_t>(n), Infinity);
        for (int j = 0; j < n; ++j)
            std::swap(m(k, j), m(pivot, j));
        std::swap(at(d, k), at(d, pivot));
        for (int i = k + 1; i < n; ++i) {
            const double factor = m(i, k) / m(k, k);
            for (int j = k; j < n; ++j)
                m(i, j) -= factor * m(k, j);
            at(d, i) -= factor * at(d, k);
        }
    }
    for (int i = n - 1; i >= 0; --i) {
        for (int j = i + 1; j < n; ++j)
            at(d, i) -= m(i, j) * at(d, j);
        at(d, i) /= m(i, i);
    }
    return d;
}

// A u with r u + d <= u (all upper bounds), or empty when none is found.
std::optional<Vector> Verified_Spread(const Square& r, const Vector& d) {
    Vector u = Solve_Approximately(r, d);
    double enlarge = 1e-12;
    for (int attempt = 0; attempt < 8; ++attempt, enlarge *= 100) {
        double largest = 0;
        for (double x : u) {
            if (!(x >= 0) || !std::isfinite(x)) return std::nullopt;
            largest = std::max(largest, x);
        }
        for (double& x : u)
            x = Up(x * (1 + enlarge) + largest * enlarge * 1e-3);
        Vector next = Times_Up(r, u);
        bool holds = true;
        for (size_t i = 0; i < u.size(); ++i) {
            next[i] = Add_Up(next[i], d[i]);
            holds = holds && next[i] <= u[i];
        }
        if (holds) return u;
        // One step of u <- r u + d from above moves u toward the least solution.
        u = next;
    }
    return std::nullopt;
}

// The first-order spread of each unknown into its parts, and the largest part.
void Find_Drivers(int n, const double (*a)[Array_Size], const double* c, const ExactSolution& exact,
                  UncertaintyBounds& bounds) {
    for (int i = 0; i < n; ++i) {
        UnknownBounds& unknown = bounds.unknowns[static_cast<size_t>(i)];
        double total = 0, largest = 0;
        auto weigh = [&](double part, int row, int column) {
            total += part;
            if (part > largest) {
                largest = part;
                unknown.driverRow = row;
                unknown.driverColumn = column;
            }
        };
        for (int k = 0; k < n; ++k) {
            const double weight = std::fabs(exact.inverse(i, k));
            for (int j = 0; j < n; ++j)
                weigh(weight * bounds.coefficients * std::fabs(a[k + 1][j + 1]) *
                          std::fabs(exact.x[static_cast<size_t>(j)]),
                      k + 1, j + 1);
            weigh(weight * bounds.constants * std::fabs(c[k + 1]), k + 1, n + 1);
        }
        unknown.driverShare = total > 0 && std::isfinite(total) ? largest / total : 0;
        if (unknown.driverShare == 0) unknown.driverRow = unknown.driverColumn = 0;
    }
}

} // namespace

int UncertaintyBounds::Least_Certain() const {
    if (!bounded) return 0;
    int least = 0;
    double widest = 0;
    for (size_t i = 0; i < unknowns.size(); ++i) {
        const UnknownBounds& u = unknowns[i];
        if (u.driverRow == 0) continue; // no uncertainty reaches it
        const double half = std::max(u.high - u.value, u.value - u.low);
        const double relative = u.value == 0 ? Infinity : half / std::fabs(u.value);
        if (least == 0 || relative > widest) {
            least = static_cast<int>(i) + 1;
            widest = relative;
        }
    }
    return least;
}

std::optional<UncertaintyBounds> Bound_System(int n, const double (*a)[Array_Size], const double* c,
                                              double coefficients, double constants) {
    if (!(coefficients >= 0) || !(constants >= 0) || !std::isfinite(coefficients) ||
        !std::isfinite(constants))
        return std::nullopt;
    const std::optional<ExactSolution> exact = Solve_Exactly(n, a, c);
    if (!exact) return std::nullopt;

    UncertaintyBounds bounds;
    bounds.coefficients = coefficients;
    bounds.constants = constants;
    bounds.unknowns.resize(static_cast<size_t>(n));
    const double tA = Magnitude_Up(coefficients), tC = Magnitude_Up(constants);

    Square magnitudes(n); // |A|, from above
    Vector constantsUp(static_cast<size_t>(n)), xUp(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            magnitudes(i, j) = Magnitude_Up(a[i + 1][j + 1]);
        constantsUp[static_cast<size_t>(i)] = Magnitude_Up(c[i + 1]);
        xUp[static_cast<size_t>(i)] = Magnitude_Up(exact->x[static_cast<size_t>(i)]);
    }
    Square m(n); // |B| |A|, from above
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                m(i, j) = Add_Up(m(i, j), Mul_Up(exact->inverseUp(i, k), magnitudes(k, j)));
    const double radius = Spectral_Radius_Up(m);
    bounds.boundedUpTo = radius > 0 ? Down(1 / radius) : Infinity;

    // d = |B| (tA |A| |x| + tC |C|) and R = tA M, from above.
    Vector spread = Times_Up(magnitudes, xUp);
    for (int i = 0; i < n; ++i) {
        double& s = spread[static_cast<size_t>(i)];
        s = Add_Up(Mul_Up(tA, s), Mul_Up(tC, constantsUp[static_cast<size_t>(i)]));
    }
    const Vector d = Times_Up(exact->inverseUp, spread);
    Square r(n);
    for (size_t i = 0; i < r.cells.size(); ++i)
        r.cells[i] = Mul_Up(tA, m.cells[i]);

    std::optional<Vector> u;
    if (Mul_Up(tA, radius) < 1) u = Verified_Spread(r, d);
    bounds.bounded = u.has_value();
    for (int i = 0; i < n; ++i) {
        UnknownBounds& unknown = bounds.unknowns[static_cast<size_t>(i)];
        unknown.value = exact->x[static_cast<size_t>(i)];
        if (!u) continue;
        const double e = (*u)[static_cast<size_t>(i)];
        // The nearest double of x lies within half a step of x: one step out holds it.
        unknown.low = Down(Down(unknown.value) - e);
        unknown.high = Up(Up(unknown.value) + e);
    }
    Find_Drivers(n, a, c, *exact, bounds);
    return bounds;
}

std::optional<UncertaintyBounds> Bound_Model(double coefficients, double constants) {
    return Bound_System(Num_Equations, A_Matrix, C_Vector, coefficients, constants);
}

} // namespace korvel
