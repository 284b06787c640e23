#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// Selects Qt's offscreen platform unless QT_QPA_PLATFORM names another, so that the benchmarks
// that draw or show windows run without a display. Call before creating the application object.
inline void UseOffscreenPlatformByDefault() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The main of a benchmark program that needs an application object of type TApp (the palette,
// fonts and widgets come from it): the registered benchmarks run inside it.
template <class TApp> int RunBenchmarksInApplication(int argc, char** argv) {
    UseOffscreenPlatformByDefault();
    TApp application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
