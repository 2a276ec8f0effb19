// The desktop program's and the installer's benchmarks share one main().
#include <benchmark/benchmark.h>

#include <QApplication>

// The view needs a QApplication, made before any benchmark runs, on the offscreen platform unless
// the caller chose another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
