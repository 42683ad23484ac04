// The whole Solve click on the equation entry screen for 16 equations, through the real
// widgets: read the 256 + 16 boxes, solve, paint the identity into the grid and the rounded
// solution into the constants, and let Qt paint what the click changed.
//
// Set-up, once: the model is initialized and connected to the entry screen, which is shown
// and activated as the program does; the count box gets "16" typed into it, and every
// coefficient and constant box gets its number typed, key by key, from one well-conditioned
// system made from a fixed seed (entries with three decimals in [-1, 1), the diagonal above
// the sum of the rest of its row, constants in [-10, 10)). A first, untimed click is checked:
// the model must hold exactly the typed numbers, the solution must satisfy the system, the
// grid must show the identity and the constant boxes the rounded solution.
//
// Each iteration, untimed: Show Matrix is clicked, which paints the data view back into the
// boxes, and the events it queued (painting included) are processed, so nothing is left
// pending. Timed: cmd_Solve->click() and then QCoreApplication::processEvents(), which runs
// the paint that the click queued, as the event loop would after the click returns:
//   BM_SolveClick16/full_repaint:0  exactly that: Qt paints the boxes whose text changed;
//   BM_SolveClick16/full_repaint:1  form->repaint() between the click and processEvents():
//                                   the whole form is painted at once, every control whether
//                                   changed or not (each once), except an opaque frame none
//                                   of whose boxes changed (Qt leaves opaque children out of
//                                   their parent's repaint): an upper bound.
// Counters: click_ms (the click's handler: read, solve, set the boxes' texts and colours)
// and paint_ms (the rest: painting and any other queued events), averaged per click;
// click_p50_ms and click_min_ms, the median and the fastest of the single clicks timed (on a
// shared machine, less disturbed by other work than the average); and per click the paint events
// delivered to the entry screen's boxes and to all widgets, so a run in which painting
// silently stopped shows up.
//
// The platform is offscreen unless QT_QPA_PLATFORM is set (e.g. xcb under Xvfb, where the
// painted image is also sent to the X server).

#include "model/mod_matrix.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "text/rounding.h"

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace korvel;

constexpr int N = 16;
using Clock = std::chrono::steady_clock;

// The system as typed: the text of each box and the number it stands for.
struct TypedSystem {
    double a[N][N];
    double c[N];
    QString aText[N][N];
    QString cText[N];
};

// A double uniform in [-1, 1) from the generator's raw bits (the same on every library).
double Uniform(std::mt19937_64& gen) {
    return static_cast<double>(gen() >> 11) * 0x1.0p-52 - 1.0;
}

// Three decimals, as a user would type them; the number is what the text reads as.
QString Three_Decimals(double v, double& typed) {
    const QString text = QString::number(v, 'f', 3);
    typed = text.toDouble();
    return text;
}

TypedSystem Make_System() {
    std::mt19937_64 gen(20240616u);
    TypedSystem s;
    for (int i = 0; i < N; ++i) {
        double offDiagonal = 0.0;
        for (int j = 0; j < N; ++j) {
            if (j == i) continue;
            s.aText[i][j] = Three_Decimals(Uniform(gen), s.a[i][j]);
            offDiagonal += std::fabs(s.a[i][j]);
        }
        const double d = offDiagonal + 1.0 + std::fabs(Uniform(gen));
        s.aText[i][i] = Three_Decimals(Uniform(gen) < 0.0 ? -d : d, s.a[i][i]);
        s.cText[i] = Three_Decimals(10.0 * Uniform(gen), s.c[i]);
    }
    return s;
}

// Gives the box the focus, selects its text and types over it, key by key.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Counts paint events: to the entry screen's boxes, and to any widget.
class PaintCounter : public QObject {
  public:
    long boxes = 0;
    long all = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++all;
            if (qobject_cast<MatrixBox*>(watched)) ++boxes;
        }
        return false;
    }
};

frm_Matrix* g_form = nullptr;
PaintCounter* g_paints = nullptr;

// Empty when the solved screen is right for the typed system, else what is wrong.
std::string Check_Solved_Screen(const TypedSystem& s) {
    if (!Solved || Solve_Error != 0)
        return "the solve failed (error " + std::to_string(Solve_Error) + ")";
    if (Num_Equations != N) return "the count is " + std::to_string(Num_Equations);
    double worst = 0.0, normA = 0.0, normX = 0.0, normC = 0.0;
    for (int i = 0; i < N; ++i) {
        double r = -s.c[i];
        for (int j = 0; j < N; ++j) {
            if (A_Matrix[i + 1][j + 1] != s.a[i][j])
                return "A(" + std::to_string(i + 1) + "," + std::to_string(j + 1) +
                       ") is not the typed number";
            r += s.a[i][j] * X_Vector[j + 1];
            normA = std::max(normA, std::fabs(s.a[i][j]));
        }
        if (C_Vector[i + 1] != s.c[i])
            return "C(" + std::to_string(i + 1) + ") is not the typed number";
        worst = std::max(worst, std::fabs(r));
        normX = std::max(normX, std::fabs(X_Vector[i + 1]));
        normC = std::max(normC, std::fabs(s.c[i]));
    }
    if (worst / (normA * normX + normC) > 1e-13) return "the solution does not satisfy the system";
    for (int r = 0; r < N; ++r) {
        for (int c = 0; c < N; ++c)
            if (g_form->txt_row1[N * r + c]->text() != QString::number(r == c ? 1 : 0))
                return "the grid does not show the identity";
        if (g_form->txt_C[r]->text() != FNRoundStr(X_Vector[r + 1], 3))
            return "txt_C[" + std::to_string(r) + "] does not show the rounded solution";
    }
    return {};
}

// Everything up to the first, checked click; empty on success.
std::string Set_Up(const TypedSystem& s) {
    QLocale::setDefault(QLocale::c());
    Solved = false; // the load sequence runs with Solved false, as at start-up
    Initialize();
    Connect_Screens_To_Model();
    g_form = Matrix_Screen();
    g_form->show();
    g_form->Activate();
    if (!QTest::qWaitForWindowExposed(g_form)) return "the entry screen was never exposed";

    Type(g_form->txt_equations, QStringLiteral("16"));
    if (Num_Equations != N || !g_form->txt_C[N - 1]->isVisible())
        return "typing 16 into the count box did not show 16 equations";
    for (int r = 0; r < N; ++r) {
        for (int c = 0; c < N; ++c)
            Type(g_form->txt_row1[N * r + c], s.aText[r][c]);
        Type(g_form->txt_C[r], s.cText[r]);
    }
    g_form->txt_equations->setFocus(Qt::TabFocusReason); // leave the last box, as a user would
    QCoreApplication::processEvents();

    g_form->cmd_Solve->click();
    QCoreApplication::processEvents();
    return Check_Solved_Screen(s);
}

const TypedSystem& System() {
    static const TypedSystem s = Make_System();
    return s;
}

void BM_SolveClick16(benchmark::State& state) {
    const bool fullRepaint = state.range(0) != 0;
    static const std::string problem = Set_Up(System());
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    long boxPaints = 0, allPaints = 0, failed = 0;
    double clickSeconds = 0.0, paintSeconds = 0.0;
    std::vector<double> perClick; // each click's own time, for its median and minimum
    perClick.reserve(4096);
    for (auto _ : state) {
        state.PauseTiming();
        // The previous click must have solved and painted; then the data view comes back.
        if (!Solved || Solve_Error != 0 || g_form->cmd_Solve->isEnabled()) ++failed;
        g_form->cmd_Show->click();
        QCoreApplication::processEvents();
        if (!g_form->cmd_Solve->isEnabled()) ++failed;
        const long boxesBefore = g_paints->boxes, allBefore = g_paints->all;
        state.ResumeTiming();

        const Clock::time_point t0 = Clock::now();
        g_form->cmd_Solve->click();
        const Clock::time_point t1 = Clock::now();
        if (fullRepaint) g_form->repaint();
        QCoreApplication::processEvents();
        const Clock::time_point t2 = Clock::now();

        state.PauseTiming();
        clickSeconds += std::chrono::duration<double>(t1 - t0).count();
        perClick.push_back(std::chrono::duration<double>(t2 - t0).count());
        paintSeconds += std::chrono::duration<double>(t2 - t1).count();
        boxPaints += g_paints->boxes - boxesBefore;
        allPaints += g_paints->all - allBefore;
        state.ResumeTiming();
    }
    if (failed != 0 || !Solved) {
        state.SkipWithError("a timed click did not solve");
        return;
    }
    if (const std::string last = Check_Solved_Screen(System()); !last.empty()) {
        state.SkipWithError(last.c_str());
        return;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["click_ms"] = benchmark::Counter(1000.0 * clickSeconds / n);
    state.counters["paint_ms"] = benchmark::Counter(1000.0 * paintSeconds / n);
    std::sort(perClick.begin(), perClick.end());
    state.counters["click_p50_ms"] = benchmark::Counter(1000.0 * perClick[perClick.size() / 2]);
    state.counters["click_min_ms"] = benchmark::Counter(1000.0 * perClick.front());
    state.counters["box_paints"] = benchmark::Counter(static_cast<double>(boxPaints) / n);
    state.counters["all_paints"] = benchmark::Counter(static_cast<double>(allPaints) / n);
    state.SetLabel(QGuiApplication::platformName().toStdString());
}

// With --benchmark_repetitions, the fastest repetition too: on a shared machine the least
// disturbed run is the best estimate of the click's own cost.
double Fastest(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

BENCHMARK(BM_SolveClick16)
    ->ArgName("full_repaint")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));

    PaintCounter paints;
    g_paints = &paints;
    app.installEventFilter(&paints);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    app.removeEventFilter(&paints);
    Unload_All_Forms();
    return 0;
}
