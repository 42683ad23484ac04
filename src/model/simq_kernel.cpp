#include "model/simq_kernel.h"

#include "base/runtime_error.h"

#include <cfenv>
#if defined(__x86_64__) && defined(__SSE2__)
#include <immintrin.h>
#endif
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#ifdef __clang__
#pragma STDC FENV_ACCESS ON
#endif

namespace korvel {

namespace {

constexpr int Trapped = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

// From finite operands the first result that is not finite raises one of the flags, so a
// look at them once per row finds what a test after every operation would have found.
// Division by zero is the error only when nothing else went wrong.
#if defined(__x86_64__) && defined(__SSE2__)
// On x86-64 the arithmetic runs in SSE, whose flags sit in MXCSR: reading and clearing them
// there costs a few cycles, where fetestexcept and feclearexcept also go through the x87 unit.
inline int Raised_Flags() {
    const unsigned csr = _mm_getcsr();
    return ((csr & _MM_EXCEPT_OVERFLOW) ? FE_OVERFLOW : 0) |
           ((csr & _MM_EXCEPT_DIV_ZERO) ? FE_DIVBYZERO : 0) |
           ((csr & _MM_EXCEPT_INVALID) ? FE_INVALID : 0);
}
inline bool Underflow_Raised() {
    return (_mm_getcsr() & _MM_EXCEPT_UNDERFLOW) != 0;
}
inline void Clear_Flags() {
    _mm_setcsr(_mm_getcsr() & ~(_MM_EXCEPT_OVERFLOW | _MM_EXCEPT_DIV_ZERO | _MM_EXCEPT_INVALID |
                                _MM_EXCEPT_UNDERFLOW));
}
#else
inline int Raised_Flags() {
    return std::fetestexcept(Trapped);
}
inline bool Underflow_Raised() {
    return std::fetestexcept(FE_UNDERFLOW) != 0;
}
inline void Clear_Flags() {
    std::feclearexcept(Trapped | FE_UNDERFLOW);
}
#endif

inline void Check_Flags() {
    const int raised = Raised_Flags();
    if (raised == 0) return;
    throw RuntimeError(raised == FE_DIVBYZERO ? Err::DivisionByZero : Err::Overflow);
}

// The exponent field, all ones only for infinities and NaN, looked at as an integer: an
// OR of such fields vectorises where a chain of comparisons does not.
bool All_Finite(int n, const double (&A)[Array_Size][Array_Size], const double (&C)[Array_Size]) {
    std::uint64_t seen = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            seen |= ((std::bit_cast<std::uint64_t>(A[i][j]) >> 52) & 0x7ff) + 1;
        seen |= ((std::bit_cast<std::uint64_t>(C[i]) >> 52) & 0x7ff) + 1;
    }
    return (seen & 0x800) == 0;
}

// ---- Finite input: flags once per row, branch-free inner loops ----

// Underflow is no error, so it is read once, when the solve is done.
int16_t Solve_Finite(int n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                     PivotRecord& record) {
    Clear_Flags();
    for (int k = 1; k <= n - 1; ++k) {
        double big = 0.0;
        int p = k;
        for (int i = k; i <= n; ++i) {
            const double t = std::fabs(A[i][k]);
            if (t > big) big = t, p = i;
        }
        if (big == 0.0) return static_cast<int16_t>(k);
        record.pivotRow[k] = static_cast<int16_t>(p);
        if (p != k) { // a row exchanged with itself would only wait on its own stores
            for (int j = k; j <= n; ++j)
                std::swap(A[k][j], A[p][j]);
            std::swap(C[k], C[p]);
        }
        const double pivot = A[k][k];
        const double* const pivotRow = A[k];
        // Each reduced row is the negative of the usual one; C is treated alike.
        for (int i = k + 1; i <= n; ++i) {
            double* const row = A[i];
            const double factor = row[k];
            for (int j = k + 1; j <= n; ++j)
                row[j] = factor * pivotRow[j] / pivot - row[j];
            C[i] = C[k] * factor / pivot - C[i];
            Check_Flags();
        }
    }
    if (A[n][n] == 0.0) return static_cast<int16_t>(n);
    C[n] = C[n] / A[n][n];
    Check_Flags();
    for (int i = n - 1; i >= 1; --i) {
        // The first term alone: loaded in a pair with C(i+2), C(i+1), stored just before,
        // would have to wait until its store reached the cache.
        double s = C[i] - A[i][i + 1] * C[i + 1];
        for (int j = i + 2; j <= n; ++j)
            s = s - A[i][j] * C[j];
        C[i] = s / A[i][i];
        Check_Flags();
    }
    record.underflow = Underflow_Raised();
    return 0;
}

// ---- Non-finite input (raises no flags): a test after every operation ----

inline double Checked(double result, double divisor = 1.0) {
    if (std::isfinite(result)) return result;
    if (divisor == 0.0 && !std::isnan(result)) throw RuntimeError(Err::DivisionByZero);
    throw RuntimeError(Err::Overflow);
}

inline double Mul(double a, double b) {
    return Checked(a * b);
}
inline double Div(double a, double b) {
    return Checked(a / b, b);
}
inline double Sub(double a, double b) {
    return Checked(a - b);
}

int16_t Solve_Checked(int n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                      PivotRecord& record) {
    for (int k = 1; k <= n - 1; ++k) {
        double big = 0.0;
        int p = k;
        for (int i = k; i <= n; ++i) {
            const double t = std::fabs(A[i][k]);
            if (std::isnan(t)) throw RuntimeError(Err::Overflow);
            if (t > big) big = t, p = i;
        }
        if (big == 0.0) return static_cast<int16_t>(k);
        record.pivotRow[k] = static_cast<int16_t>(p);
        for (int j = k; j <= n; ++j)
            std::swap(A[k][j], A[p][j]);
        std::swap(C[k], C[p]);
        for (int i = k + 1; i <= n; ++i) {
            for (int j = k + 1; j <= n; ++j)
                A[i][j] = Sub(Div(Mul(A[i][k], A[k][j]), A[k][k]), A[i][j]);
            C[i] = Sub(Div(Mul(C[k], A[i][k]), A[k][k]), C[i]);
        }
    }
    if (A[n][n] == 0.0) return static_cast<int16_t>(n);
    C[n] = Div(C[n], A[n][n]);
    for (int i = n - 1; i >= 1; --i) {
        double s = C[i];
        for (int j = i + 1; j <= n; ++j)
            s = Sub(s, Mul(A[i][j], C[j]));
        C[i] = Div(s, A[i][i]);
    }
    return 0;
}

} // namespace

int16_t SimQ_Kernel(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                    PivotRecord& record) {
    if (n < 1 || n > Max_Equations) throw RuntimeError(Err::SubscriptOutOfRange);
    return All_Finite(n, A, C) ? Solve_Finite(n, A, C, record) : Solve_Checked(n, A, C, record);
}

} // namespace korvel
