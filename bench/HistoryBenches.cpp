// Undo and Opnieuw: what the history holds after ordinary drawing, how many
// changes of a whole floor its default budget keeps, and what one step back
// and forth costs on the real main window, the repaint of the canvas included.
#include "BenchItems.h"
#include "BenchPictures.h"
#include "BenchRig.h"
#include "Named.h"
#include "Summary.h"

#include "app/MainWindow.h"
#include "drawing/ToolPanel.h"
#include "floors/CanvasWidget.h"
#include "image/Twips.h"

#include <QAction>
#include <QEvent>

#include <benchmark/benchmark.h>

namespace {
constexpr int Width = 470;

void trigger(ShownWindow& shown, const char* action)
{
    shown.window().findChild<QAction*>(QLatin1String(action))->trigger();
    flushRepaints();
}

// A freehand stroke of 40 pixels from `from`, down and to the right in ten
// moves, with the mouse on the canvas of `floor`.
void stroke(ShownWindow& shown, int floor, QPoint from)
{
    CanvasWidget* canvas = shown.canvas(floor);
    sendMouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        sendMouse(canvas, QEvent::MouseMove, from + QPoint(3 * i, 3 * i), Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, from + QPoint(30, 30), Qt::NoButton);
    flushRepaints();
}

void freehandOfWidth(ShownWindow& shown, int option)
{
    shown.selectTool(1);
    emit named<ToolPanel>(shown.window(), QStringLiteral("toolPanel"))->optionClicked(option);
}

// 100 strokes, a floor after floor, spread over the canvas, in the widest
// pen (5 pixels): the pixels the history keeps for them.
void hundredStrokes(benchmark::State& state)
{
    for (auto _ : state) {
        ShownWindow shown(Width);
        freehandOfWidth(shown, 5);
        const History& history = shown.window().plan().history();
        const qsizetype before = history.bytes();
        for (int i = 0; i < 100; ++i)
            stroke(shown, i % 3 + 1, QPoint(10 + i * 37 % 400, 10 + i * 53 % 400));
        state.counters["history_after_100_strokes_kB"] = double(history.bytes() - before) / 1024;
    }
}

// Rotatie 180° of a full floor over and over, each a step of the whole floor:
// how many of them the 64 MB keep.
void wholeFloorSteps(benchmark::State& state)
{
    for (auto _ : state) {
        ShownWindow shown(Width);
        shown.window().plan().floor(1).image = mazePicture(Width, CanvasHeight);
        for (int i = 0; i < 100; ++i)
            shown.window().findChild<QAction*>(QStringLiteral("flipAction2"))->trigger();
        History& history = shown.window().plan().history();
        state.counters["history_of_100_flips_kB"] = double(history.bytes()) / 1024;
        int kept = 0;
        while (history.undo(1))
            ++kept;
        state.counters["whole_floor_steps_kept"] = kept;
    }
}

// Undo and Opnieuw of one step from the menu, each with its repaint.
void undoAndRedo(benchmark::State& state, ShownWindow& shown)
{
    for (auto _ : state) {
        trigger(shown, "undoAction");
        trigger(shown, "redoAction");
    }
}

void flipBackAndForth(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.window().plan().floor(1).image = mazePicture(Width, CanvasHeight);
    trigger(shown, "flipAction1");
    undoAndRedo(state, shown);
}

void strokeBackAndForth(benchmark::State& state)
{
    ShownWindow shown(Width);
    shown.window().plan().floor(1).image = mazePicture(Width, CanvasHeight);
    freehandOfWidth(shown, 2);
    stroke(shown, 1, QPoint(200, 200));
    undoAndRedo(state, shown);
}

// What every press and release adds for the history when the tool changes
// nothing: a copy of the floor and one comparison with it.
void pressWithoutChange(benchmark::State& state)
{
    ShownWindow shown(Width);
    CanvasWidget* canvas = shown.canvas(1);
    canvas->floor().image = mazePicture(Width, CanvasHeight);
    for (auto _ : state) {
        sendMouse(canvas, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
    }
}
} // namespace

void registerHistoryBenchmarks()
{
    benchmark::RegisterBenchmark("History/100-strokes-470", hundredStrokes)->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("History/100-flips-470x455", wholeFloorSteps)->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("History/undo+redo-flip-470x455", flipBackAndForth)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("History/undo+redo-stroke", strokeBackAndForth)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("History/press-no-change-470x455", pressWithoutChange)->Unit(benchmark::kMicrosecond);
    compareWithBound("History/undo+redo-flip-470x455", "60 Hz frame", FrameMs);
    compareWithBound("History/undo+redo-stroke", "1 ms", 1.0);
    compareWithBound("History/press-no-change-470x455", "60 Hz frame", FrameMs);
}
