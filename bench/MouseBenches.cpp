// One mouse event on the real main window, from the event the window system
// delivers through the pointer engine to the repaint of the changed area on
// the screen: everything that has to fit in a 60 Hz frame.
#include "BenchItems.h"
#include "BenchPictures.h"
#include "BenchRig.h"
#include "Named.h"
#include "Summary.h"

#include "app/MainWindow.h"
#include "drawing/ToolPanel.h"
#include "floors/CanvasWidget.h"
#include "plan/Floor.h"
#include "image/Twips.h"

#include <QPaintEvent>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
constexpr int Width = 470;

// Paint events and the pixels they cover, to show a move repaints only what changed.
class PaintArea : public PaintCounter {
public:
    using PaintCounter::PaintCounter;
    double pixels = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += double(r.width()) * r.height();
        }
        return PaintCounter::eventFilter(watched, event);
    }
};

void reportPerEvent(benchmark::State& state, const PaintArea& area, long allocationsBefore)
{
    const auto perEvent = benchmark::Counter::kAvgIterations;
    state.counters["paints"] = benchmark::Counter(double(area.paints), perEvent);
    state.counters["pixels painted"] = benchmark::Counter(area.pixels, perEvent);
    state.counters["allocations"] = benchmark::Counter(double(allocationCount() - allocationsBefore), perEvent);
}

// Moves with the left button down, each followed by the repaint it caused.
template <typename Path>
void dragMoves(benchmark::State& state, ShownWindow& shown, QPoint start, Path path)
{
    CanvasWidget* canvas = shown.canvas(1);
    sendMouse(canvas, QEvent::MouseButtonPress, start, Qt::LeftButton);
    flushRepaints();
    PaintArea area(canvas);
    const long before = allocationCount();
    long i = 0;
    for (auto _ : state) {
        sendMouse(canvas, QEvent::MouseMove, path(i++), Qt::LeftButton);
        flushRepaints();
    }
    reportPerEvent(state, area, before);
    sendMouse(canvas, QEvent::MouseButtonRelease, path(i), Qt::NoButton);
    flushRepaints();
}

// The inverted line from a corner to the far side: the largest band a move
// takes away and draws again.
void lineRubberBand(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.selectTool(2);
    dragMoves(state, shown, QPoint(2, 2), [](long i) { return i & 1 ? QPoint(Width - 5, 450) : QPoint(Width - 40, 452); });
}

// A freehand stroke round a circle in the few-pixel steps a hand makes
// between two frames.
void freehandSegment(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.selectTool(1);
    const auto onCircle = [](long i) {
        const double a = double(i % 360) * 3.14159265358979 / 180.0;
        return QPoint(235 + int(std::lrint(150 * std::cos(a))), 227 + int(std::lrint(150 * std::sin(a))));
    };
    dragMoves(state, shown, onCircle(0), onCircle);
}

// The largest eraser, dragged to and fro across the canvas.
void eraserSquare(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.selectTool(6);
    QScrollBar* size = named<QScrollBar>(shown.window(), QStringLiteral("eraserSizeBar"));
    size->setValue(size->maximum());
    shown.canvas(1)->floor().image = housePicture(1, Width, CanvasHeight);
    const auto sweep = [](long i) {
        const int step = int(i % 800);
        return QPoint(20 + (step < 400 ? step : 800 - step), 100 + int(i % 7) * 40);
    };
    dragMoves(state, shown, sweep(0), sweep);
}

// A click of the fill tool in the maze: undo copy, the fill and a repaint of
// the whole canvas.
void fillClick(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.selectTool(8);
    // Red: a black fill would turn the maze into border and leave nothing to fill.
    shown.settings.red = 255;
    CanvasWidget* canvas = shown.canvas(1);
    canvas->floor().image = mazePicture(Width, CanvasHeight);
    PaintArea area(canvas);
    const long before = allocationCount();
    for (auto _ : state) {
        sendMouse(canvas, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
        flushRepaints();
    }
    reportPerEvent(state, area, before);
}

// Tool 20 clicked and the question answered Yes: the overview painted into
// the floor and shown.
void overviewClick(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.answers.yes = true;
    for (auto _ : state)
        shown.selectTool(20);
}
} // namespace

void registerMouseBenchmarks()
{
    const char* moves[] = {"Mouse/line-rubber-band-move", "Mouse/freehand-segment", "Mouse/eraser-square-30px"};
    benchmark::RegisterBenchmark(moves[0], lineRubberBand)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(moves[1], freehandSegment)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(moves[2], eraserSquare)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Mouse/fill-click-maze", fillClick)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LibraryOverview/click", overviewClick)->Unit(benchmark::kMicrosecond);
    for (const char* name : moves)
        compareWithBound(name, "60 Hz frame", FrameMs);
    compareWithBound("Mouse/fill-click-maze", "60 Hz frame", FrameMs);
    compareWithBound("LibraryOverview/click", "60 Hz frame", FrameMs);
}
