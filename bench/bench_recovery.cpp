// Whether keeping the recovery copy costs the mouse anything: the same rubber
// band move measured with no copy being written and while the worker writes
// the three floors without pause.

#include "drawing/DrawingControls.h"
#include "floors/CanvasWidget.h"
#include "floors/Floors.h"
#include "floors/RecoveryStore.h"
#include "floors/RecoveryWatcher.h"
#include "shell/MainWindow.h"
#include "shell/Prompts.h"
#include "shell/WavePlayer.h"

#include <QApplication>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

#include <benchmark/benchmark.h>

namespace {
class NoPrompts : public Prompts {
public:
    bool askYesNo(const QString&, const QString&) override { return false; }
    void message(const QString&) override {}
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&) override { return {}; }
};

class Silence : public WavePlayer {
public:
    void PlayWave(const QString&) override {}
};

void rubberBandMoves(benchmark::State& state, bool writing)
{
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    Algemeen values;
    values.ProgramFolder = folder.path();
    NoPrompts prompts;
    Silence sound;
    MainWindow window(values, prompts, sound);
    window.show();
    QApplication::processEvents();
    PointerEngine& engine = window.drawing().engine();
    values.CurrentTool = 2;

    // The worker's whole job, repeated without pause: copy the floors, encode, replace the files.
    std::atomic<bool> stop{false};
    std::atomic<int> writes{0};
    std::thread writer([&] {
        const RecoveryStore store(folder.filePath(QStringLiteral("copy")));
        while (writing && !stop) {
            const std::array<QImage, 3> copies{window.floors().floor(1).image, window.floors().floor(2).image,
                                               window.floors().floor(3).image};
            store.save(copies);
            ++writes;
        }
    });

    engine.press(1, Qt::LeftButton, QPointF(2, 2));
    const QPointF ends[2] = {QPointF(345, 450), QPointF(300, 452)};
    int i = 0;
    for (auto _ : state) {
        const QRegion changed = engine.move(1, Qt::LeftButton, ends[i++ & 1]);
        window.Pic(1)->repaint(changed);
    }
    engine.release(1, Qt::NoButton, ends[i & 1]);
    stop = true;
    writer.join();
    state.counters["copies written"] = writes.load();
}

void MoveWithoutCopy(benchmark::State& state) { rubberBandMoves(state, false); }
void MoveWhileCopyIsWritten(benchmark::State& state) { rubberBandMoves(state, true); }
} // namespace

BENCHMARK(MoveWithoutCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveWhileCopyIsWritten)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
