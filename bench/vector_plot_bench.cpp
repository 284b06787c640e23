// One paint of the step view's vector plot ("Vektor kroku") showing step 53 of a complete
// 30-degree run -- the last turn, with the 53 earlier vectors faded behind it -- on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// BM_VectorPlotPaint/Zoom3FullHd: at the projector zoom of 300 % filling a 1920 x 1080 screen,
// the largest paint a classroom asks for; it should stay well under a frame at 60 Hz (16 ms).
// BM_VectorPlotPaint/Zoom1Design: at the design size and zoom, for comparison.
#include "angle_input.h"
#include "cordic.h"
#include "offscreen_main.h"
#include "step_rows.h"
#include "vector_plot.h"
#include "whole_run_rows.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr int kShownStep = 53;

TStepRows ThirtyDegreeRun() {
    return WholeRunRows(ParseAngle("30", kUnitDegrees).theta);
}

void BM_VectorPlotPaint(benchmark::State& state, QSize size, qreal zoom) {
    const TStepRows rows = ThirtyDegreeRun();
    TVectorPlot plot;
    plot.SetRows(&rows);
    plot.ShowRow(kShownStep);
    plot.SetZoom(zoom);
    plot.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        plot.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(BM_VectorPlotPaint, Zoom3FullHd, QSize(1920, 1080), 3.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_VectorPlotPaint, Zoom1Design, QSize(300, 460), 1.0)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksInApplication<QApplication>(argc, argv);
}
