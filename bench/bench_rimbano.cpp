// All of the program's measurements in one run. Each item reports its time
// per iteration; the closing summary sets it against its bound (a 60 Hz
// frame, the 200 ms start-up budget, the magnifier's 25 ms interval) or
// against a plain pass over the same pixels. On a shared machine the CPU
// column is the fairer one: wall time includes waiting for the processor.
//
//   cmake --build build --target bench_rimbano && ./build/bench/bench_rimbano
//   xvfb-run -a ./build/bench/bench_rimbano     (adds the real executable's start)
#include "BenchItems.h"
#include "Summary.h"

#include "core/PictureHeap.h"

#include <QApplication>
#include <QFont>
#include <QImageReader>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // As the program itself starts, so the heap behaves the same.
    keepFreedPictureMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program itself starts, so the windows lay out the same.
    QApplication::setApplicationName(QStringLiteral("Rimbano"));
    QImageReader::setAllocationLimit(256);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Start-up and memory first, while nothing is cached and the heap is fresh.
    registerStartupBenchmarks();
    registerMemoryBenchmarks();
    registerRepeatedStartupBenchmarks();
    registerMouseBenchmarks();
    registerRecoveryBenchmarks();
    registerHistoryBenchmarks();
    registerPixelBenchmarks();
    registerMagnifierBenchmarks();
    registerFileBenchmarks();
    registerUnderlayBenchmarks();

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
