#include "angle_input.h"
#include "convergence_chart.h"
#include "cordic.h"
#include "magnifier.h"
#include "offscreen_main.h"
#include "step_rows.h"
#include "whole_run_rows.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

TStepRows ThirtyDegreeRun() {
    return WholeRunRows(ParseAngle("30", kUnitDegrees).theta);
}

// One paint of a widget showing a complete 30-degree run, at its design size. A run at full
// speed appends 55 rows in a few milliseconds and repaints at most once per event pump, so a
// paint well under a millisecond never holds the run up.
void PaintRun(benchmark::State& state, TStepPlot& widget, qreal zoom = 1.0) {
    widget.SetZoom(zoom);
    widget.resize(widget.sizeHint() * zoom);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_ConvergenceChartPaint(benchmark::State& state) {
    const TStepRows rows = ThirtyDegreeRun();
    TConvergenceChart chart;
    chart.SetRows(&rows);
    PaintRun(state, chart);
}
BENCHMARK(BM_ConvergenceChartPaint)->Unit(benchmark::kMicrosecond);

// The result row, with all 54 earlier tips tested against the view.
void BM_MagnifierPaint(benchmark::State& state) {
    const TStepRows rows = ThirtyDegreeRun();
    TMagnifier magnifier;
    magnifier.SetRows(&rows);
    PaintRun(state, magnifier);
}
BENCHMARK(BM_MagnifierPaint)->Unit(benchmark::kMicrosecond);

// The same at the projector zoom of 300 %, the widgets three times their design size: three
// times the lines' width and the markers', nine times the pixels.
void BM_ConvergenceChartPaintZoom300(benchmark::State& state) {
    const TStepRows rows = ThirtyDegreeRun();
    TConvergenceChart chart;
    chart.SetRows(&rows);
    PaintRun(state, chart, 3.0);
}
BENCHMARK(BM_ConvergenceChartPaintZoom300)->Unit(benchmark::kMicrosecond);

void BM_MagnifierPaintZoom300(benchmark::State& state) {
    const TStepRows rows = ThirtyDegreeRun();
    TMagnifier magnifier;
    magnifier.SetRows(&rows);
    PaintRun(state, magnifier, 3.0);
}
BENCHMARK(BM_MagnifierPaintZoom300)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksInApplication<QApplication>(argc, argv);
}
