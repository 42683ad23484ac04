// Korvel's solver against two library solvers on the same systems.
//
// For n = 2, 4, 8 and 16 one well-conditioned system is generated from a fixed seed:
// entries uniform in [-1, 1) with the diagonal raised above the sum of the other entries
// of its row, so that no pivot comes near zero and SimQ never calls the message seam.
//
// Each benchmark solves that system once per iteration. All three methods work in place,
// so every iteration first copies the n x n coefficients and the n right-hand sides into
// fresh storage (element by element, the same n*n + n copies for each method) and then
// solves:
//   BM_SimQ              korvel::SimQ on double[17][17] and double[17], 1-based;
//   BM_EigenPartialPivLU Eigen::PartialPivLU, decomposed in place, then solve();
//   BM_LapackeDgesv      LAPACKE_dgesv, column-major, one right-hand side.
// Before any timing each method's answer is checked against the system (residual), and
// the three answers against each other, so a benchmark that stops solving fails loudly.

#include "model/mod_matrix.h"
#include "model/simq.h"
#include "random_system.h"

// Eigen must not allocate on the heap below; this lets the check prove it.
#define EIGEN_RUNTIME_NO_MALLOC
#include <Eigen/Dense>

#include <benchmark/benchmark.h>
#include <lapacke.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <dlfcn.h>

namespace {

using korvel::Array_Size;
using korvel::Max_Equations;
using korvel::bench::Make_System;
using korvel::bench::System;

// Eigen matrices of dynamic size with a fixed maximum of 16 x 16: the size is chosen at
// run time, as for SimQ and LAPACK, but the storage is a fixed array on the stack, so no
// heap allocation is timed. Column-major, Eigen's default.
using EigenMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::ColMajor,
                                  Max_Equations, Max_Equations>;
using EigenVector = Eigen::Matrix<double, Eigen::Dynamic, 1, Eigen::ColMajor, Max_Equations, 1>;
using EigenLU = Eigen::PartialPivLU<Eigen::Ref<EigenMatrix>>; // decomposes in place

const System& System_For(int n) {
    static const std::array<System, Array_Size> systems = [] {
        std::array<System, Array_Size> all{};
        for (int k = 1; k <= Max_Equations; ++k)
            all[k] = Make_System(k);
        return all;
    }();
    return systems.at(static_cast<size_t>(n));
}

// ---- The three solves, each starting from a fresh copy of the system ----

// Leaves the solution in C[1..n]; returns SimQ's error code.
int16_t Solve_SimQ(const System& s, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]) {
    const int n = s.n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            A[i][j] = s.A[i][j];
        C[i] = s.C[i];
    }
    return korvel::SimQ(static_cast<int16_t>(n), A, C).Code();
}

// Leaves the solution in x.
void Solve_Eigen(const System& s, EigenMatrix& M, EigenVector& b, EigenVector& x) {
    const int n = s.n;
    M.resize(n, n);
    b.resize(n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            M(i - 1, j - 1) = s.A[i][j];
        b(i - 1) = s.C[i];
    }
    EigenLU lu(M);
    x = lu.solve(b);
}

// Leaves the solution in b[0..n-1]; returns LAPACK's info.
lapack_int Solve_Lapacke(const System& s, double* a, double* b, lapack_int* ipiv) {
    const int n = s.n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            a[(j - 1) * n + (i - 1)] = s.A[i][j];
        b[i - 1] = s.C[i];
    }
    return LAPACKE_dgesv(LAPACK_COL_MAJOR, n, 1, a, n, ipiv, b, n);
}

// ---- Checking the answers before timing ----

// max_i |(A·x - C)_i| / (max|A| · max|x| + max|C|), for x given 0-based.
template <class Solution> double Relative_Residual(const System& s, const Solution& x) {
    double worst = 0.0, normA = 0.0, normX = 0.0, normC = 0.0;
    for (int i = 1; i <= s.n; ++i) {
        double r = -s.C[i];
        for (int j = 1; j <= s.n; ++j) {
            r += s.A[i][j] * x[j - 1];
            normA = std::max(normA, std::fabs(s.A[i][j]));
        }
        worst = std::max(worst, std::fabs(r));
        normX = std::max(normX, std::fabs(x[i - 1]));
        normC = std::max(normC, std::fabs(s.C[i]));
    }
    return worst / (normA * normX + normC);
}

constexpr double Tolerance = 1e-13;

// Solves the system of size n with all three methods and returns an empty string when
// each answer satisfies the system and all three agree; otherwise what went wrong.
std::string Check_Solutions(int n) {
    const System& s = System_For(n);

    double A[Array_Size][Array_Size];
    double C[Array_Size];
    const int16_t err = Solve_SimQ(s, A, C);
    if (err != 0) return "SimQ returned error " + std::to_string(err);
    std::array<double, Max_Equations> simq{};
    for (int i = 1; i <= n; ++i)
        simq[i - 1] = C[i];

    EigenMatrix M;
    EigenVector b, x;
    Eigen::internal::set_is_malloc_allowed(false);
    Solve_Eigen(s, M, b, x);
    Eigen::internal::set_is_malloc_allowed(true);

    std::array<double, Max_Equations * Max_Equations> a{};
    std::array<double, Max_Equations> rhs{};
    std::array<lapack_int, Max_Equations> ipiv{};
    const lapack_int info = Solve_Lapacke(s, a.data(), rhs.data(), ipiv.data());
    if (info != 0) return "LAPACKE_dgesv returned info " + std::to_string(info);

    if (Relative_Residual(s, simq) > Tolerance) return "SimQ residual too large";
    if (Relative_Residual(s, x) > Tolerance) return "Eigen residual too large";
    if (Relative_Residual(s, rhs) > Tolerance) return "LAPACK residual too large";
    for (int i = 0; i < n; ++i) {
        const double scale = std::max(1.0, std::fabs(simq[i]));
        if (std::fabs(simq[i] - x[i]) > Tolerance * scale ||
            std::fabs(simq[i] - rhs[i]) > Tolerance * scale)
            return "the three solutions differ in x(" + std::to_string(i + 1) + ")";
    }
    return {};
}

// ---- Benchmarks ----

void BM_SimQ(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    if (const std::string problem = Check_Solutions(n); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    const System& s = System_For(n);
    for (auto _ : state) {
        double A[Array_Size][Array_Size];
        double C[Array_Size];
        int16_t err = Solve_SimQ(s, A, C);
        benchmark::DoNotOptimize(err);
        benchmark::DoNotOptimize(C);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EigenPartialPivLU(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    if (const std::string problem = Check_Solutions(n); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    const System& s = System_For(n);
    for (auto _ : state) {
        EigenMatrix M;
        EigenVector b, x;
        Solve_Eigen(s, M, b, x);
        benchmark::DoNotOptimize(x.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_LapackeDgesv(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    if (const std::string problem = Check_Solutions(n); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    const System& s = System_For(n);
    for (auto _ : state) {
        double a[Max_Equations * Max_Equations];
        double b[Max_Equations];
        lapack_int ipiv[Max_Equations];
        lapack_int info = Solve_Lapacke(s, a, b, ipiv);
        benchmark::DoNotOptimize(info);
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// The same sizes for each method; the argument in the name is n.
void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(2)->Arg(4)->Arg(8)->Arg(16);
}

BENCHMARK(BM_SimQ)->Apply(Sizes);
BENCHMARK(BM_EigenPartialPivLU)->Apply(Sizes);
BENCHMARK(BM_LapackeDgesv)->Apply(Sizes);

// Which shared library a function was loaded from: the figures depend on it (reference
// LAPACK and BLAS, OpenBLAS or another one chosen by update-alternatives).
std::string Library_Of(const void* function) {
    Dl_info info{};
    if (dladdr(function, &info) == 0 || info.dli_fname == nullptr) return "(unknown)";
    char resolved[PATH_MAX];
    return realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
}

} // namespace

int main(int argc, char** argv) {
    std::printf("LAPACKE_dgesv from %s\ndgesv_ from %s\n",
                Library_Of(reinterpret_cast<const void*>(&LAPACKE_dgesv)).c_str(),
                Library_Of(reinterpret_cast<const void*>(&LAPACK_dgesv)).c_str());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
