#include "angle_input.h"
#include "cordic.h"
#include "offscreen_main.h"
#include "plot.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kPlotSize = 200; // the plot's design width and height

// The plot of a 30-degree run: ClearPlot, then the frames of all 54 steps, on the design-size
// image. The target is well under 1 ms, so that a run at slider 0 is never held up by drawing.
void BM_ClearPlotAndThirtyDegreeRun(benchmark::State& state) {
    const long double theta = ParseAngle("30", kUnitDegrees).theta;
    std::vector<TCordicStep> steps;
    CordicRotate(theta, [&](const TCordicStep& step) { steps.push_back(step); });
    QImage image(kPlotSize, kPlotSize, QImage::Format_RGB32);
    TCanvas canvas(image);
    for (auto _ : state) {
        ClearPlot(canvas, kPlotSize, kPlotSize);
        for (const TCordicStep& step : steps) {
            DrawStepFrame(canvas, theta, step.x, step.y, kPlotSize / 2, kPlotSize / 2);
        }
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearPlotAndThirtyDegreeRun)->Unit(benchmark::kMicrosecond);

} // namespace

// clBtnFace is looked up in a real application palette, as in the program; without a display
// the offscreen platform serves.
int main(int argc, char** argv) {
    return RunBenchmarksInApplication<QGuiApplication>(argc, argv);
}
