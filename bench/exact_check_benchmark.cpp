// The exact check of a system beside the solver it checks.
//
// Three systems:
//   random/16   the well-conditioned 16-equation system that korvel_bench solves (entries
//               full 64-bit doubles, so every one is a 16- or 17-digit decimal);
//   typed/16    the same system with every value rounded to three decimals, as people
//               type them;
//   hilbert/12  the 12 x 12 Hilbert matrix, entries 1/(i+j-1) typed to 15 significant
//               digits, right-hand side the row sums: condition number above 1E+15.
// BM_SimQ copies a system and solves it; BM_ExactCheck makes the whole check of it
// (Check_System: reduced form, classification, exact inverse and condition number, correct
// digits and the exact residual of SimQ's answer); BM_SolveAndCheck does both, as a Solve
// that shows the check does. Before timing, each check is compared with what is known of
// the system, so a benchmark that stops checking fails loudly.
// BM_WorkedSolution makes the worked solution and its text, as the check screen's page shows
// it: for random/16 and for integer/4, a 4-equation system of small integers.
// BM_UncertaintyBounds bounds every unknown for data known to +-0.1 %, as a Solve with a
// tolerance set does after the check (typed/16 and random/16).

#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/uncertainty_bounds.h"
#include "model/worked_solution.h"
#include "random_system.h"
#include "reports/worked_text.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <cmath>
#include <cstring>
#include <string>

namespace {

using korvel::Array_Size;
using korvel::bench::System;

System Typed(System s) {
    for (int i = 1; i <= s.n; ++i) {
        for (int j = 1; j <= s.n; ++j)
            s.A[i][j] = std::round(s.A[i][j] * 1000) / 1000;
        s.C[i] = std::round(s.C[i] * 1000) / 1000;
    }
    return s;
}

System Hilbert(int n) {
    System s;
    s.n = n;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            s.A[i][j] = QString::number(1.0 / (i + j - 1), 'g', 15).toDouble();
            s.C[i] += s.A[i][j];
        }
    return s;
}

// Small integers with a unique solution: 2 on the diagonal, -1 beside it, 1 in the corner.
System Integers(int n) {
    System s;
    s.n = n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            s.A[i][j] = i == j ? 2 : std::abs(i - j) == 1 ? -1 : 0;
        s.C[i] = i;
    }
    s.A[1][n] = 1;
    return s;
}

enum Which { Random16, Typed16, Hilbert12, Integer4 };

const System& System_For(int which) {
    static const System systems[] = {korvel::bench::Make_System(16),
                                     Typed(korvel::bench::Make_System(16)), Hilbert(12),
                                     Integers(4)};
    return systems[which];
}

// SimQ on a copy of the system; the answer is left in x[1..n].
bool Solve(const System& s, double (&a)[Array_Size][Array_Size], double (&x)[Array_Size]) {
    std::memcpy(a, s.A, sizeof a);
    std::memcpy(x, s.C, sizeof x);
    return korvel::SimQ(static_cast<int16_t>(s.n), a, x).Code() == 0;
}

// What the check must find: a unique solution, a condition number in the expected range
// and a digit count for every unknown.
std::string Problem_With_Check(int which) {
    const System& s = System_For(which);
    double a[Array_Size][Array_Size], x[Array_Size];
    if (!Solve(s, a, x)) return "SimQ stopped";
    const korvel::ExactCheck check = korvel::Check_System(s.n, s.A, s.C, x);
    if (check.kind != korvel::SolutionKind::Unique) return "not unique";
    if (!check.condition || !check.Weakest_Digits() || !check.residual) return "incomplete";
    const bool ill = which == Hilbert12;
    if (ill != (*check.condition > 1e15))
        return "condition number " + std::to_string(*check.condition);
    if (!ill && *check.Weakest_Digits() < 14)
        return "weakest digits " + std::to_string(*check.Weakest_Digits());
    return {};
}

void BM_SimQ(benchmark::State& state) {
    const System& s = System_For(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        double a[Array_Size][Array_Size], x[Array_Size];
        benchmark::DoNotOptimize(Solve(s, a, x));
        benchmark::ClobberMemory();
    }
}

void BM_ExactCheck(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    if (const std::string problem = Problem_With_Check(which); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    const System& s = System_For(which);
    double a[Array_Size][Array_Size], x[Array_Size];
    Solve(s, a, x);
    for (auto _ : state) {
        korvel::ExactCheck check = korvel::Check_System(s.n, s.A, s.C, x);
        benchmark::DoNotOptimize(check);
    }
}

void BM_SolveAndCheck(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    if (const std::string problem = Problem_With_Check(which); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    const System& s = System_For(which);
    for (auto _ : state) {
        double a[Array_Size][Array_Size], x[Array_Size];
        const bool solved = Solve(s, a, x);
        korvel::ExactCheck check = korvel::Check_System(s.n, s.A, s.C, solved ? x : nullptr);
        benchmark::DoNotOptimize(check);
    }
}

void BM_WorkedSolution(benchmark::State& state) {
    const System& s = System_For(static_cast<int>(state.range(0)));
    QString names[Array_Size];
    for (int j = 1; j <= s.n; ++j)
        names[j] = QStringLiteral("Y %1").arg(j);
    const korvel::WorkedSolution first =
        korvel::Work_System(s.n, s.A, s.C, korvel::PivotRule::FirstNonZero);
    if (first.kind != korvel::SolutionKind::Unique || !first.inverse) {
        state.SkipWithError("no unique solution");
        return;
    }
    for (auto _ : state) {
        const korvel::WorkedSolution worked =
            korvel::Work_System(s.n, s.A, s.C, korvel::PivotRule::FirstNonZero);
        benchmark::DoNotOptimize(korvel::Worked_Solution_Text(worked, names));
        benchmark::DoNotOptimize(korvel::Determinant_And_Inverse_Text(worked, names));
    }
}

void BM_UncertaintyBounds(benchmark::State& state) {
    const System& s = System_For(static_cast<int>(state.range(0)));
    const auto bounds = korvel::Bound_System(s.n, s.A, s.C, 0.001, 0.001);
    if (!bounds || !bounds->bounded) {
        state.SkipWithError("no bounds");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(korvel::Bound_System(s.n, s.A, s.C, 0.001, 0.001));
}

void Systems(benchmark::internal::Benchmark* b) {
    b->ArgName("system")->Arg(Random16)->Arg(Typed16)->Arg(Hilbert12);
}

BENCHMARK(BM_SimQ)->Apply(Systems);
BENCHMARK(BM_ExactCheck)->Apply(Systems)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveAndCheck)->Apply(Systems)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorkedSolution)
    ->ArgName("system")
    ->Arg(Random16)
    ->Arg(Integer4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UncertaintyBounds)
    ->ArgName("system")
    ->Arg(Typed16)
    ->Arg(Random16)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
