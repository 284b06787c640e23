// A lesson's worth of use: 1,000 consecutive runs through the main window at slider position 0,
// alternating a valid angle with refused ones, on the platform QT_QPA_PLATFORM names (offscreen
// when unset). Reports the resident memory after 10 and after 1,000 runs; the growth between
// them should stay under 1 MiB. Meaningful in the release configuration (the sanitizers of the
// dev configuration hold freed memory in quarantine).
// Beside it: how long a pasted megabyte holds the window up, in the angle reading alone and in
// a whole press of the start button.
#include "angle_input.h"
#include "application.h"
#include "form1.h"
#include "offscreen_main.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <fstream>
#include <string>

namespace {

constexpr int kRuns = 1000;
constexpr int kWarmUpRuns = 10;
constexpr double kKiB = 1024.0;

// VmRSS of this process in KiB, from /proc/self/status; 0 where that is unreadable.
double ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// The angle of run `run`: every other run valid, the others refused for both reasons in turn.
QString AngleOfRun(int run) {
    if (run % 2 == 0) {
        return QStringLiteral("30");
    }
    return run % 4 == 1 ? QStringLiteral("91") : QStringLiteral("tridsať");
}

void BM_SoakThousandRuns(benchmark::State& state) {
    auto* input = Form1->findChild<QLineEdit*>(QStringLiteral("Input"));
    auto* button = Form1->findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* slider = Form1->findChild<QSlider*>(QStringLiteral("Tb"));
    if (input == nullptr || button == nullptr || slider == nullptr) {
        state.SkipWithError("the main window lacks Input, Button1 or Tb");
        return;
    }
    slider->setValue(0);
    double afterWarmUp = 0;
    double afterAll = 0;
    for (auto _ : state) {
        for (int run = 1; run <= kRuns; ++run) {
            input->setText(AngleOfRun(run - 1));
            button->click();
            // The event loop's turn between two presses: repaints and deferred deletions.
            Application->ProcessMessages();
            if (!button->isEnabled()) {
                state.SkipWithError("a run ended with the start button disabled");
                return;
            }
            if (run == kWarmUpRuns) {
                afterWarmUp = ResidentKiB();
            }
        }
        afterAll = ResidentKiB();
    }
    state.counters["rss_after_10_MiB"] = afterWarmUp / kKiB;
    state.counters["rss_after_1000_MiB"] = afterAll / kKiB;
    state.counters["growth_KiB"] = afterAll - afterWarmUp;
    state.counters["runs"] = kRuns;
}
BENCHMARK(BM_SoakThousandRuns)->Iterations(1)->Unit(benchmark::kMillisecond);

// The texts of a megabyte paste: 0 digits, 1 letters, 2 a fraction of zeros ending in 1.
std::string MegabyteText(std::int64_t kind) {
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    switch (kind) {
    case 0:
        return std::string(kMegabyte, '7');
    case 1:
        return std::string(kMegabyte, 'x');
    default:
        return "0." + std::string(kMegabyte, '0') + "1";
    }
}

// How long a pasted megabyte holds up the reading of the angle: the window is unresponsive
// for that long.
void BM_ParseAngleMegabyte(benchmark::State& state) {
    const std::string text = MegabyteText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseAngle(text, kUnitDegrees));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseAngleMegabyte)->ArgName("kind")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A whole press of the start button after a megabyte was pasted into the angle field, which
// keeps all of it (field_chars: the length it holds).
void BM_RunAfterMegabytePaste(benchmark::State& state) {
    auto* input = Form1->findChild<QLineEdit*>(QStringLiteral("Input"));
    auto* button = Form1->findChild<QPushButton*>(QStringLiteral("Button1"));
    Form1->findChild<QSlider*>(QStringLiteral("Tb"))->setValue(0);
    const std::string text = MegabyteText(state.range(0));
    input->setText(QString::fromStdString(text));
    state.counters["field_chars"] = static_cast<double>(input->text().size());
    for (auto _ : state) {
        button->click();
        Application->ProcessMessages();
    }
}
BENCHMARK(BM_RunAfterMegabytePaste)
    ->ArgName("kind")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    UseOffscreenPlatformByDefault();
    TApplication application(argc, argv);
    Application->Initialize();
    Application->CreateForm(Form1);
    Form1->show();
    Application->ProcessMessages();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
