#include "model/simq.h"

#include "base/report_error.h"

#include <cmath>

namespace korvel {

namespace {

// Every floating-point step is checked as it happens: a result that is not finite
// (from finite operands, or from anything at all) stops the calculation.
inline double Checked(double result, double divisor = 1.0) {
    if (std::isfinite(result)) return result;
    if (divisor == 0.0 && !std::isnan(result)) throw RuntimeError(Err::DivisionByZero);
    throw RuntimeError(Err::Overflow);
}

inline double Mul(double a, double b) { return Checked(a * b); }
inline double Div(double a, double b) { return Checked(a / b, b); }
inline double Sub(double a, double b) { return Checked(a - b); }

} // namespace

QString Zero_Pivot_Message(int k) {
    return QStringLiteral("There is a zero value on diagonal in column ") + QString::number(k);
}

SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]) {
    try {
        if (n < 1 || n > Max_Equations) throw RuntimeError(Err::SubscriptOutOfRange);
        // Forward elimination.
        for (int16_t k = 1; k <= n - 1; ++k) {
            double big = 0.0;
            int16_t p = k;
            for (int16_t i = k; i <= n; ++i) {
                const double t = std::fabs(A[i][k]);
                if (std::isnan(t)) throw RuntimeError(Err::Overflow);
                if (t > big) {
                    big = t;
                    p = i;
                }
            }
            if (big == 0.0) return SolveResult::Zero_Pivot(k);
            for (int16_t j = k; j <= n; ++j) std::swap(A[k][j], A[p][j]);
            std::swap(C[k], C[p]);
            // Each reduced row is the negative of the usual one; C is treated alike.
            for (int16_t i = k + 1; i <= n; ++i) {
                for (int16_t j = k + 1; j <= n; ++j)
                    A[i][j] = Sub(Div(Mul(A[i][k], A[k][j]), A[k][k]), A[i][j]);
                C[i] = Sub(Div(Mul(C[k], A[i][k]), A[k][k]), C[i]);
            }
        }
        // Back substitution.
        if (A[n][n] == 0.0) return SolveResult::Zero_Pivot(n);
        C[n] = Div(C[n], A[n][n]);
        for (int16_t i = n - 1; i >= 1; --i) {
            double s = C[i];
            for (int16_t j = i + 1; j <= n; ++j) s = Sub(s, Mul(A[i][j], C[j]));
            C[i] = Div(s, A[i][i]);
        }
        return SolveResult::Solved();
    } catch (...) {
        return SolveResult::Run_Time_Error(Current_Error(std::current_exception()),
                                           QStringLiteral("SimQ"));
    }
}

} // namespace korvel
