// The laboratory's worksheet written as PDF data (two A4 pages, fonts embedded), as
// "Pracovný list…" writes it before it goes to the disk; it should take at most 300 ms.
//
// BM_WorksheetPdf/Hyperbolic16of14: hyperbolic rotation of t = 0.5 in fixed point 16/14, 16
// steps: a table of 8 steps with the bit columns and 17 states in the plot.
// BM_WorksheetPdf/Extended64: circular rotation of 30 degrees in 64 extended steps: the widest
// texts (21 digits, the table's font shrunk to fit) and 65 states in the plot.
#include "lab_input.h"
#include "lab_worksheet.h"
#include "offscreen_main.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_WorksheetPdf(benchmark::State& state, TLabSetup setup) {
    const TLabWorksheet sheet{LabRun(setup), setup, setup.system == TLabSystem::Circular};
    for (auto _ : state) {
        const QByteArray pdf = LabWorksheetPdf(sheet);
        benchmark::DoNotOptimize(pdf.constData());
    }
}

TLabSetup Hyperbolic16of14() {
    TLabSetup setup;
    setup.system = TLabSystem::Hyperbolic;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.steps = 16;
    setup.theta = 0.5L;
    return setup;
}

TLabSetup Extended64() {
    TLabSetup setup;
    setup.steps = 64;
    setup.theta = ReadLabAngle("30", true).value();
    return setup;
}

BENCHMARK_CAPTURE(BM_WorksheetPdf, Hyperbolic16of14, Hyperbolic16of14())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WorksheetPdf, Extended64, Extended64())->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksInApplication<QApplication>(argc, argv);
}
