// Whether keeping the recovery copy costs the mouse anything: the same rubber
// band move with no copy being written and while a worker writes the three
// floors without pause, as the recovery worker does a few seconds after a change.
#include "BenchItems.h"
#include "BenchRig.h"
#include "Named.h"

#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "plan/RecoveryStore.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QEvent>

#include <atomic>
#include <thread>

namespace {
void rubberBandMoves(benchmark::State& state, bool writing)
{
    ShownWindow shown;
    MainWindow& window = shown.window();
    window.plan().toolChoice.current = ToolKind::Line;
    CanvasWidget* canvas = shown.canvas(1);

    std::atomic<bool> stop{false};
    std::atomic<int> writes{0};
    std::thread writer([&] {
        const RecoveryStore store(shown.program.path(QStringLiteral("copy")));
        QDir().mkpath(store.folder());
        while (writing && !stop) {
            const std::array<QImage, 3> copies{window.plan().floor(1).image, window.plan().floor(2).image,
                                               window.plan().floor(3).image};
            store.save(copies, window.plan().canvasWidth());
            ++writes;
        }
    });

    sendMouse(canvas, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
    flushRepaints();
    const QPoint ends[2] = {QPoint(465, 450), QPoint(300, 452)};
    int i = 0;
    for (auto _ : state) {
        sendMouse(canvas, QEvent::MouseMove, ends[i++ & 1], Qt::LeftButton);
        flushRepaints();
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, ends[i & 1], Qt::NoButton);
    stop = true;
    writer.join();
    state.counters["copies written"] = writes.load();
}
} // namespace

void registerRecoveryBenchmarks()
{
    benchmark::RegisterBenchmark("Recovery/move, no copy written", [](benchmark::State& s) { rubberBandMoves(s, false); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Recovery/move while the copy is written",
                                 [](benchmark::State& s) { rubberBandMoves(s, true); })
        ->Unit(benchmark::kMicrosecond);
}
