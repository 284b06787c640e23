// The laboratory window's cost per change of a setting, on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise. The window is shown in fixed point, 16/14, at 30 degrees.
//
// BM_ChangeWordBits: the word width toggled between 16 and 15 bits, each change a run, a sweep of
// 64 x 1,001 runs for the chart, and the synchronous repaint of the whole window.
// BM_DragStepSlider: the step slider moved one position (1 .. 64 and back), each a run and the
// repaint of the table, the results and the chart's current n: what one step of a drag costs.
#include "lab_window.h"
#include "offscreen_main.h"

#include <QApplication>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <benchmark/benchmark.h>

namespace {

void BM_ChangeWordBits(benchmark::State& state, TLabWindow* window) {
    auto* word = window->findChild<QSpinBox*>(QStringLiteral("WordSpin"));
    int bits = 16;
    for (auto _ : state) {
        bits = bits == 16 ? 15 : 16;
        word->setValue(bits);
        window->repaint();
    }
}

void BM_DragStepSlider(benchmark::State& state, TLabWindow* window) {
    auto* slider = window->findChild<QSlider*>(QStringLiteral("StepsSlider"));
    int steps = 1;
    int direction = 1;
    for (auto _ : state) {
        steps += direction;
        if (steps == 64 || steps == 1) {
            direction = -direction;
        }
        slider->setValue(steps);
        window->repaint();
    }
}

} // namespace

int main(int argc, char** argv) {
    UseOffscreenPlatformByDefault();
    QApplication application(argc, argv);
    TLabWindow window;
    window.findChild<QRadioButton*>(QStringLiteral("ArithmeticFixed"))->setChecked(true);
    window.show();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RegisterBenchmark("BM_ChangeWordBits", BM_ChangeWordBits, &window)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_DragStepSlider", BM_DragStepSlider, &window)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
