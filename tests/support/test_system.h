// A system of equations for the model tests, laid out as the model keeps it (1-based, row
// stride Array_Size), with SimQ's answer beside it when it has been solved.
#pragma once

#include "model/exact_check.h"
#include "model/simq.h"

#include <cstring>
#include <functional>
#include <initializer_list>

namespace korvel::testing {

struct TestSystem {
    int n = 0;
    double a[Array_Size][Array_Size] = {};
    double c[Array_Size] = {};
    double x[Array_Size] = {}; // SimQ's answer, once solved
    SolveResult result;
    bool solved = false;

    // Runs SimQ on a copy, so that a and c stay as they were given.
    TestSystem& Solve() {
        double work[Array_Size][Array_Size];
        std::memcpy(work, a, sizeof work);
        std::memcpy(x, c, sizeof x);
        result = SimQ(static_cast<int16_t>(n), work, x);
        solved = result.status == SolveResult::Status::Solved;
        return *this;
    }
    const double* Answer() const { return solved ? x : nullptr; }
    ExactCheck Check() const { return Check_System(n, a, c, Answer()); }
};

// Rows of n coefficients followed by the constant.
inline TestSystem Rows_System(int n, std::initializer_list<std::initializer_list<double>> rows) {
    TestSystem s;
    s.n = n;
    int i = 1;
    for (const auto& row : rows) {
        int j = 1;
        for (double v : row) {
            if (j <= n)
                s.a[i][j] = v;
            else
                s.c[i] = v;
            ++j;
        }
        ++i;
    }
    return s;
}

// A(i, j) and C(i) for i, j = 1..n.
inline TestSystem Function_System(int n, const std::function<double(int, int)>& a,
                                  const std::function<double(int)>& c) {
    TestSystem s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        s.c[i] = c(i);
        for (int j = 1; j <= n; ++j)
            s.a[i][j] = a(i, j);
    }
    return s;
}

} // namespace korvel::testing
