// Costs of the drawing work done inside one mouse event, to compare with a
// 16.7 ms frame at 60 Hz.

#include "editing/FloorBuffers.h"
#include "floors/CanvasWidget.h"
#include "floors/Floors.h"
#include "image/FloodFill.h"
#include "shell/MainWindow.h"
#include "shell/Prompts.h"
#include "shell/WavePlayer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

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

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The real main window: a move event on the canvas goes through the pointer
// engine, which draws the inverted band twice, and the repaint of the changed
// area is flushed before the next move.
void LineRubberBandMove(benchmark::State& state)
{
    QTemporaryDir folder;
    Algemeen values;
    values.ProgramFolder = folder.path();
    NoPrompts prompts;
    Silence sound;
    MainWindow window(values, prompts, sound);
    window.show();
    QApplication::processEvents();
    values.CurrentTool = 2;
    CanvasWidget* canvas = window.Pic(1);
    PaintCounter counter;
    canvas->installEventFilter(&counter);

    // Long diagonals across the whole canvas: the largest area a move repaints.
    sendMouse(canvas, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
    const QPoint ends[2] = {QPoint(345, 450), QPoint(300, 452)};
    int i = 0;
    for (auto _ : state) {
        sendMouse(canvas, QEvent::MouseMove, ends[i++ & 1], Qt::LeftButton);
        QApplication::sendPostedEvents();
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, ends[i & 1], Qt::NoButton);
    state.counters["paints per move"] = benchmark::Counter(double(counter.paints) / double(state.iterations()));
}

void FloodFillEmptyCanvas(benchmark::State& state)
{
    QImage image(470, 455, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb colours[2] = {qRgb(255, 0, 0), qRgb(0, 0, 255)};
    int i = 0;
    for (auto _ : state) {
        // Each fill covers the whole canvas in the other colour.
        benchmark::DoNotOptimize(floodFill(image, QPoint(235, 227), colours[i++ & 1]));
    }
}

void UndoSnapshot(benchmark::State& state)
{
    Floors floors(470);
    for (auto _ : state) {
        takeUndoSnapshot(floors, 1);
        benchmark::DoNotOptimize(floors.PicTotaal.constBits());
    }
}

BENCHMARK(LineRubberBandMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(FloodFillEmptyCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoSnapshot)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
