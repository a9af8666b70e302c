// One magnifier refresh, which its timer asks for every 25 ms while the
// magnifier is on: the enlargement into the view's buffer alone, and a whole
// tick with the screen grab. The grab reads the screen of the platform this
// process runs on (offscreen unless QT_QPA_PLATFORM says otherwise).
#include "BenchItems.h"
#include "BenchRig.h"
#include "Summary.h"

#include "drawing/magnifier/Magnifier.h"
#include "drawing/magnifier/MagnifierOptions.h"
#include "drawing/magnifier/MagnifierSource.h"
#include "drawing/magnifier/MagnifierView.h"
#include "plan/ToolChoice.h"

#include <QCursor>

#include <benchmark/benchmark.h>

#include <string>

namespace {
QImage screenPatch(int side)
{
    QImage patch(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            patch.setPixel(x, y, qRgb(x * 5, y * 5, 128));
    return patch;
}

void countAllocations(benchmark::State& state, long before)
{
    state.counters["allocations"] =
        benchmark::Counter(double(allocationCount() - before), benchmark::Counter::kAvgIterations);
}

void enlarge(benchmark::State& state, int zoom)
{
    const QRect source = magnifierSourceRect(QPoint(400, 300), QSize(101, 101), zoom, 0);
    const QImage grabbed = screenPatch(source.width());
    QImage view(101, 101, QImage::Format_RGB32);
    const long before = allocationCount();
    for (auto _ : state) {
        enlargeInto(view, grabbed, source, source, qRgb(64, 64, 64));
        benchmark::DoNotOptimize(view.constBits());
    }
    countAllocations(state, before);
}

void tick(benchmark::State& state, int zoom)
{
    MagnifierOptions options;
    options.on = true;
    options.zoom = zoom;
    const ToolChoice tools;
    MagnifierView view(nullptr);
    view.resize(101, 101);
    Magnifier magnifier(options, tools, view, nullptr);
    QCursor::setPos(400, 300);
    const long before = allocationCount();
    for (auto _ : state)
        magnifier.tick();
    countAllocations(state, before);
}
} // namespace

void registerMagnifierBenchmarks()
{
    for (int zoom : {2, 6}) {
        const std::string suffix = "-zoom" + std::to_string(zoom);
        benchmark::RegisterBenchmark(("Magnifier/enlarge" + suffix).c_str(), enlarge, zoom)
            ->Unit(benchmark::kMicrosecond);
        const std::string name = "Magnifier/tick" + suffix;
        benchmark::RegisterBenchmark(name.c_str(), tick, zoom)->Unit(benchmark::kMicrosecond);
        compareWithBound(name, "25 ms timer interval", double(Magnifier::IntervalMs));
    }
}
