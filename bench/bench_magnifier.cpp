// One magnifier refresh: the enlargement into the view's buffer, kept apart
// from the screen grab, and a whole tick with the grab. The allocation counter
// shows what a refresh asks of the heap; run under xvfb-run to grab a real
// X screen, otherwise the offscreen platform is used.
#include "drawing/Magnifier.h"
#include "drawing/MagnifierSource.h"
#include "drawing/MagnifierView.h"
#include "shell/Algemeen.h"

#include <QApplication>
#include <QCursor>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};

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
    state.counters["allocs/refresh"] =
        benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
}
} // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

// The refresh as built: the enlargement written into the one buffer.
static void BM_EnlargeIntoReusedBuffer(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    const QRect source = magnifierSourceRect(QPoint(400, 300), QSize(101, 101), zoom, 0);
    const QImage grabbed = screenPatch(source.width());
    QImage view(101, 101, QImage::Format_RGB32);
    const long before = allocations.load();
    for (auto _ : state) {
        enlargeInto(view, grabbed, source, source, qRgb(64, 64, 64));
        benchmark::DoNotOptimize(view.constBits());
    }
    countAllocations(state, before);
}
BENCHMARK(BM_EnlargeIntoReusedBuffer)->Arg(1)->Arg(2)->Arg(6);

// For comparison: a new picture per refresh, scaled by QImage.
static void BM_ScaledIntoNewPicture(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    const QRect source = magnifierSourceRect(QPoint(400, 300), QSize(101, 101), zoom, 0);
    const QImage grabbed = screenPatch(source.width());
    const long before = allocations.load();
    for (auto _ : state) {
        QImage view = grabbed.scaled(101, 101);
        benchmark::DoNotOptimize(view.constBits());
    }
    countAllocations(state, before);
}
BENCHMARK(BM_ScaledIntoNewPicture)->Arg(1)->Arg(2)->Arg(6);

// A whole tick: pointer, screen grab and enlargement.
static void BM_Tick(benchmark::State& state)
{
    Algemeen values;
    values.MagnifierOn = true;
    values.MagnifierZoom = int(state.range(0));
    MagnifierView view(nullptr);
    view.resize(101, 101);
    Magnifier magnifier(values, view, nullptr);
    QCursor::setPos(400, 300);
    const long before = allocations.load();
    for (auto _ : state)
        magnifier.tick();
    countAllocations(state, before);
}
BENCHMARK(BM_Tick)->Arg(2)->Arg(6);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
