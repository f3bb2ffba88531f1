// The micro benchmarks' entry point: a Qt application on the offscreen platform, then Google
// Benchmark with its usual options (--benchmark_filter, --benchmark_repetitions, ...).
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Windows are painted offscreen, so no display is needed and none is disturbed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
