// The main window's speed, on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// BM_PumpBareApplication: one QCoreApplication::processEvents() of a plain QApplication showing
// one empty window -- the toolkit's own cost of a pump.
// BM_PumpIdleWindow: one ProcessMessages() of the idle main window inside TApplication -- one
// step of a run's pause; it should cost at most 1.10 times the bare pump, so that the pause is
// set by the slider and the toolkit alone.
// Offscreen a pump leaves out the X connection and the accessibility bridge: pump_x_bench makes
// the same comparison under X with accessibility on (bench/pump_under_x).
// BM_RunAtSliderZero: one whole run (54 steps with trace lines and plot frames, the results)
// started with the start button at slider 0; it should take under 8 ms, half a frame at 60 Hz.
// With the step view open (/StepViewOpen) it fills the view's table and plots as well, and
// should take at most twice the time with the view closed (/StepViewClosed), also with
// "Hádaj smer" on and every step's direction answered as soon as it is asked
// (/StepViewOpenGuessing: "+" pressed the moment the table shows the question, so that the run
// never waits). /StepViewOpenGuessingPumped answers from the event loop instead (a
// zero-interval timer presses "+" whenever it is enabled): the run then waits one pump per step,
// in which the view repaints -- what a student at the keyboard costs at least.
// BM_PausedRunCpu: the process's CPU time while a run stands paused by the step view for five
// seconds (counter cpu_ms): a paused run waits for events and should use none measurably.
#include "application.h"
#include "form1.h"
#include "offscreen_main.h"
#include "step_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

void BM_PumpBareApplication(benchmark::State& state) {
    for (auto _ : state) {
        QCoreApplication::processEvents();
    }
}

// `focus` is the control holding the keyboard focus: the angle field (its cursor blinks on a
// timer, as after a run started with Enter) or the start button (as after a click).
void BM_PumpIdleWindow(benchmark::State& state, TForm1* form, const char* focus) {
    form->findChild<QWidget*>(QString::fromLatin1(focus))->setFocus();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(form->ProcessMessages());
    }
}

enum class TAnswer { None, AtOnce, FromTheLoop };

void BM_RunAtSliderZero(benchmark::State& state, TForm1* form, bool stepViewOpen, TAnswer answer) {
    const bool guessing = answer != TAnswer::None;
    if (stepViewOpen) {
        form->ShowSteps();
    } else if (form->StepView() != nullptr) {
        form->StepView()->close();
    }
    QTimer answerer;
    QMetaObject::Connection atOnce;
    if (guessing) {
        form->StepView()->findChild<QCheckBox*>("GuessBox")->setChecked(true);
        auto* plus = form->StepView()->findChild<QPushButton*>("GuessPlusButton");
        const auto press = [plus] {
            if (plus->isEnabled()) {
                plus->click();
            }
        };
        if (answer == TAnswer::AtOnce) {
            atOnce =
                QObject::connect(form->StepView()->findChild<QTableView*>("StepTable")->model(),
                                 &QAbstractItemModel::dataChanged, plus, press);
        } else {
            QObject::connect(&answerer, &QTimer::timeout, plus, press);
            answerer.start(0);
        }
    }
    QCoreApplication::processEvents();
    form->findChild<QLineEdit*>("Input")->setText(QStringLiteral("30"));
    form->findChild<QSlider*>("Tb")->setValue(0);
    auto* button = form->findChild<QPushButton*>("Button1");
    for (auto _ : state) {
        button->click();
        state.PauseTiming();
        QCoreApplication::processEvents(); // the repaint after the run, as the loop would
        state.ResumeTiming();
    }
    if (guessing) {
        answerer.stop();
        QObject::disconnect(atOnce);
        form->StepView()->findChild<QCheckBox*>("GuessBox")->setChecked(false);
    }
    if (form->findChild<QPlainTextEdit*>("Memo1")->blockCount() != 54) {
        state.SkipWithError("the run did not complete");
    }
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_PausedRunCpu(benchmark::State& state, TForm1* form) {
    constexpr auto kPause = std::chrono::seconds(5);
    form->ShowSteps();
    TStepView* view = form->StepView();
    form->findChild<QLineEdit*>("Input")->setText(QStringLiteral("30"));
    form->findChild<QSlider*>("Tb")->setValue(1);
    double cpuMs = 0.0;
    for (auto _ : state) {
        double pausedAt = 0.0;
        // Paused in the first step's pump; resumed five seconds later by a timer.
        QTimer::singleShot(0, view, [&] {
            emit view->PauseToggled();
            pausedAt = ProcessCpuMs();
            QTimer::singleShot(kPause, view, [&] {
                cpuMs = ProcessCpuMs() - pausedAt;
                emit view->PauseToggled();
            });
        });
        form->findChild<QPushButton*>("Button1")->click();
    }
    state.counters["cpu_ms"] = cpuMs;
    if (form->findChild<QPlainTextEdit*>("Memo1")->blockCount() != 54) {
        state.SkipWithError("the run did not complete");
    }
}

void Show(QWidget& window) {
    window.show();
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
}

// Runs the benchmarks registered now from inside the application's event loop, where the
// program's pumps happen too (events the toolkit keeps for the loop, such as deferred
// deletions, are handled there and do not pile up). Each phase has a reporter of its own: the
// library's default one cannot serve a second call.
void RunPhase() {
    QTimer::singleShot(0, [] {
        benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    UseOffscreenPlatformByDefault();
    benchmark::Initialize(&argc, argv);
    {
        QApplication bare(argc, argv);
        QWidget empty;
        Show(empty);
        benchmark::RegisterBenchmark("BM_PumpBareApplication", BM_PumpBareApplication);
        RunPhase();
        benchmark::ClearRegisteredBenchmarks();
    }
    {
        TApplication application(argc, argv);
        application.Initialize();
        TForm1* form = nullptr;
        application.CreateForm(form);
        Show(*form);
        benchmark::RegisterBenchmark("BM_PumpIdleWindow/FocusInInput", BM_PumpIdleWindow, form,
                                     "Input");
        benchmark::RegisterBenchmark("BM_PumpIdleWindow/FocusOnButton1", BM_PumpIdleWindow, form,
                                     "Button1");
        benchmark::RegisterBenchmark("BM_RunAtSliderZero/StepViewClosed", BM_RunAtSliderZero, form,
                                     false, TAnswer::None)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_RunAtSliderZero/StepViewOpen", BM_RunAtSliderZero, form,
                                     true, TAnswer::None)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_RunAtSliderZero/StepViewOpenGuessing", BM_RunAtSliderZero,
                                     form, true, TAnswer::AtOnce)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_RunAtSliderZero/StepViewOpenGuessingPumped",
                                     BM_RunAtSliderZero, form, true, TAnswer::FromTheLoop)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_PausedRunCpu", BM_PausedRunCpu, form)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        RunPhase();
    }
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
