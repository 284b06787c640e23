// One event pump of the idle main window against one of a bare window, under a real X server with
// accessibility on -- the conditions of a run's pause on a desktop. Offscreen the pump skips the
// X connection and the accessibility bridge, so this program refuses to run there: start it with
// bench/pump_under_x, which gives it an X server and the accessibility bus of its own.
//
// BM_PumpBareWindow: QCoreApplication::processEvents() of a plain QApplication showing one empty
// QWidget, from inside its event loop -- the toolkit's own cost of a pump.
// BM_PumpMainWindow: TForm1::ProcessMessages() of the idle main window inside TApplication,
// started as the program starts (Initialize, CreateForm, Run), from inside its event loop as a
// run's pause pumps. Its counter `ratio` is its pump's cost over the bare one's; a pause is set by
// the slider and the toolkit alone while it stays at or below 1.10.
//
// One iteration is kBatch pumps; the counter `pump_ns` is the thread's CPU time per pump in the
// cheapest batch, which the other processes of a busy machine hardly disturb. With
// `bench/pump_under_x --callgrind` the same batches are counted in instructions instead.
#include "application.h"
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

constexpr int kBatch = 1000;
// Long enough for the X server to map and expose a window and for the accessibility bridge to
// register it.
constexpr int kSettleMs = 500;

// The bare window's CPU time per pump, measured before the main window's phase.
double bareNsPerPump = 0.0;

double ThreadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// The batches are functions of their own, so that callgrind can count them (--toggle-collect).
__attribute__((noinline)) void PumpBareBatch() {
    for (int i = 0; i < kBatch; ++i) {
        QCoreApplication::processEvents();
    }
}

__attribute__((noinline)) void PumpMainWindowBatch(TForm1* form) {
    for (int i = 0; i < kBatch; ++i) {
        benchmark::DoNotOptimize(form->ProcessMessages());
    }
}

// Runs the batches and returns the CPU time per pump of the cheapest one.
template <class Batch> double CheapestPumpNs(benchmark::State& state, Batch batch) {
    double cheapest = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        const double start = ThreadCpuNs();
        batch();
        cheapest = std::min(cheapest, (ThreadCpuNs() - start) / kBatch);
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
    state.counters["pump_ns"] = cheapest;
    return cheapest;
}

// False, with the reason given to `state`, where the comparison would not be the one wanted.
bool UnderXWithAccessibility(benchmark::State& state) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs a real X server: start it with bench/pump_under_x");
        return false;
    }
    if (!QAccessible::isActive()) {
        state.SkipWithError("accessibility is off: start it with bench/pump_under_x");
        return false;
    }
    return true;
}

void BM_PumpBareWindow(benchmark::State& state) {
    if (UnderXWithAccessibility(state)) {
        bareNsPerPump = CheapestPumpNs(state, [] { PumpBareBatch(); });
    }
}

void BM_PumpMainWindow(benchmark::State& state, TForm1* form) {
    if (!UnderXWithAccessibility(state)) {
        return;
    }
    const double pumpNs = CheapestPumpNs(state, [form] { PumpMainWindowBatch(form); });
    if (bareNsPerPump > 0.0) {
        state.counters["ratio"] = pumpNs / bareNsPerPump;
    }
}

void Settle() {
    const QDeadlineTimer deadline(kSettleMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// Runs the benchmarks registered now once `window` has settled, from inside the application's
// event loop, where a run's pumps happen too.
void RunPhaseIn(QWidget* window) {
    QTimer::singleShot(0, [window] {
        window->activateWindow();
        Settle();
        benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::ClearRegisteredBenchmarks();
        QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return EXIT_FAILURE;
    }
    {
        QApplication bare(argc, argv);
        QWidget empty;
        empty.show();
        benchmark::RegisterBenchmark("BM_PumpBareWindow", BM_PumpBareWindow);
        RunPhaseIn(&empty);
        QApplication::exec();
    }
    {
        TApplication application(argc, argv);
        application.Initialize();
        TForm1* form = nullptr;
        application.CreateForm(form);
        benchmark::RegisterBenchmark("BM_PumpMainWindow", BM_PumpMainWindow, form);
        RunPhaseIn(form);
        application.Run();
    }
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
