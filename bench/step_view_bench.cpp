// The step view's cost while a run reports its rows, on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise. The view is shown and follows the newest row.
//
// BM_ReportWholeRun: RowsReset and the 55 RowAppended calls of one run at full speed, with the
// rows filled as the run fills them -- what the run itself waits for; the goal is under 1 ms, so
// that the view adds little to a run at slider 0.
// BM_ReportWholeRunAndPump: the same and then one event pump, where the deferred scroll to the
// newest row and the repaint of the table happen.
#include "cordic.h"
#include "offscreen_main.h"
#include "step_rows.h"
#include "step_view.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <numbers>

namespace {

constexpr long double kThirtyDegrees = std::numbers::pi_v<long double> / 6.0L;

void ReportRun(TStepRows& rows, TStepView& view) {
    rows.Start(kThirtyDegrees);
    view.RowsReset();
    const TCordicResult result = CordicRotate(kThirtyDegrees, [&](const TCordicStep& step) {
        rows.AddStep(step);
        view.RowAppended();
    });
    rows.AddResult(result);
    view.RowAppended();
}

void BM_ReportWholeRun(benchmark::State& state, TStepRows* rows, TStepView* view) {
    for (auto _ : state) {
        ReportRun(*rows, *view);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ReportWholeRunAndPump(benchmark::State& state, TStepRows* rows, TStepView* view) {
    for (auto _ : state) {
        ReportRun(*rows, *view);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv) {
    UseOffscreenPlatformByDefault();
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    QWidget owner;
    TStepRows rows;
    auto* view = new TStepView(rows, &owner);
    view->show();
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
    benchmark::RegisterBenchmark("BM_ReportWholeRun", BM_ReportWholeRun, &rows, view)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_ReportWholeRunAndPump", BM_ReportWholeRunAndPump, &rows, view)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
