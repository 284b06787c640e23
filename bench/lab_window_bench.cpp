// The laboratory window's cost per change of a setting, on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise. The window is shown in fixed point, 16/14, at 30 degrees.
//
// BM_ChangeWordBits: the word width toggled between 16 and 15 bits, each change a run, a sweep of
// 64 x 1,001 runs for the chart, and the synchronous repaint of the whole window.
// BM_ChangeSystem: the system toggled between circular and hyperbolic with k párnemu and four
// guard bits, each change a run, two sweeps (the setup's and its comparison, odseknúť with no
// guard bits), both curves and the repaint.
// BM_ChangeRounding: the rounding toggled between odseknúť and k párnemu (G = 0), each change a
// run, the setup's sweep, the chart with or without the comparison (the odseknúť sweep, kept from
// the change before) and the repaint.
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

QRadioButton* Radio(TLabWindow* window, const char* name) {
    return window->findChild<QRadioButton*>(QString::fromLatin1(name));
}

QSpinBox* Spin(TLabWindow* window, const char* name) {
    return window->findChild<QSpinBox*>(QString::fromLatin1(name));
}

// Toggles between two radio buttons, a change and a repaint per iteration.
void Toggle(benchmark::State& state, TLabWindow* window, const char* first, const char* second) {
    bool atFirst = Radio(window, first)->isChecked();
    for (auto _ : state) {
        atFirst = !atFirst;
        Radio(window, atFirst ? first : second)->setChecked(true);
        window->repaint();
    }
}

void BM_ChangeWordBits(benchmark::State& state, TLabWindow* window) {
    Radio(window, "RoundingFloor")->setChecked(true);
    Spin(window, "GuardSpin")->setValue(0);
    auto* word = Spin(window, "WordSpin");
    int bits = 16;
    for (auto _ : state) {
        bits = bits == 16 ? 15 : 16;
        word->setValue(bits);
        window->repaint();
    }
    word->setValue(16);
}

void BM_ChangeSystem(benchmark::State& state, TLabWindow* window) {
    Radio(window, "RoundingHalfEven")->setChecked(true);
    Spin(window, "GuardSpin")->setValue(4);
    Toggle(state, window, "SystemCircular", "SystemHyperbolic");
    Radio(window, "SystemCircular")->setChecked(true);
}

void BM_ChangeRounding(benchmark::State& state, TLabWindow* window) {
    Spin(window, "GuardSpin")->setValue(0);
    Toggle(state, window, "RoundingFloor", "RoundingHalfEven");
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
    Radio(&window, "ArithmeticFixed")->setChecked(true);
    window.show();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    for (const auto& [name, function] : {std::pair{"BM_ChangeWordBits", &BM_ChangeWordBits},
                                         std::pair{"BM_ChangeSystem", &BM_ChangeSystem},
                                         std::pair{"BM_ChangeRounding", &BM_ChangeRounding},
                                         std::pair{"BM_DragStepSlider", &BM_DragStepSlider}}) {
        benchmark::RegisterBenchmark(name, function, &window)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
