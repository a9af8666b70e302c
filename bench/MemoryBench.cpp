// Resident memory after start-up and after ten minutes of drawing. Ten
// minutes at 60 Hz are 36,000 pointer moves; the script makes them as a user
// would (strokes of a few hundred moves with a press and a release, tool and
// option clicks, Undo, Copy and Plakken, switches between the floors) but as
// fast as the program takes them, with the event loop run after every event.
#include "BenchItems.h"
#include "BenchRig.h"
#include "Named.h"

#include "app/MainWindow.h"
#include "drawing/ToolPanel.h"
#include "floors/CanvasWidget.h"
#include "image/Twips.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace {
constexpr int Width = 470;
constexpr long MovesPerMinute = 60 * 60;
constexpr int Minutes = 10;
// By then every tool of the session has been used a few times and every
// cache the program fills once is full: what grows after it is a leak.
constexpr int HalfTime = 5;

// The tools a drawing session uses, with the option picked for each and the
// drawing colour; the symbol tools place a picture at every press.
struct ToolUse {
    int tool;
    int option;
    QRgb colour;
};
constexpr QRgb Black = 0xFF000000u;
constexpr ToolUse Session[] = {{2, 3, Black},      {3, 1, Black},  {1, 2, 0xFF0000C0u}, {19, 4, Black}, {12, 2, Black},
                               {6, 0, Black},      {4, 1, Black},  {11, 3, Black},      {7, 0, 0xFF008000u},
                               {13, 5, Black},     {8, 0, 0xFFFFFFA0u}, {2, 1, Black},  {16, 2, Black},
                               {8, 0, 0xFFC0E0FFu}};

class Script {
public:
    explicit Script(ShownWindow& shown)
        : m_shown(shown)
    {
    }

    // One stroke: the tool clicked, the pointer brought in, a drag, the release.
    void stroke()
    {
        const ToolUse use = Session[m_strokes % std::size(Session)];
        m_shown.selectTool(use.tool);
        if (use.option > 0)
            emit named<ToolPanel>(m_shown.window(), QStringLiteral("toolPanel"))->optionClicked(use.option);
        m_shown.settings.red = qRed(use.colour);
        m_shown.settings.green = qGreen(use.colour);
        m_shown.settings.blue = qBlue(use.colour);
        const long hover = 40 + long(next() % 60);
        const long drag = 150 + long(next() % 300);
        for (long i = 0; i < hover; ++i)
            move(Qt::NoButton);
        send(QEvent::MouseButtonPress, Qt::LeftButton);
        for (long i = 0; i < drag; ++i)
            move(Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
        ++m_strokes;

        const auto menu = [this](const char* name) { m_shown.window().findChild<QAction*>(QLatin1String(name))->trigger(); };
        if (m_strokes % 5 == 0)
            menu("undoAction");
        if (m_strokes % 11 == 0) {
            menu("copyAction");
            m_floor = m_floor % 3 + 1;
            named<QPushButton>(m_shown.window(), QStringLiteral("showFloorButton"), m_floor)->click();
            menu("pasteAction");
        } else if (m_strokes % 7 == 0) {
            m_floor = m_floor % 3 + 1;
            named<QPushButton>(m_shown.window(), QStringLiteral("showFloorButton"), m_floor)->click();
        }
        QApplication::processEvents();
    }

    long moves() const { return m_moves; }
    long events() const { return m_moves + 2 * m_strokes; }

private:
    quint32 next() { return m_random = m_random * 1664525u + 1013904223u; }

    // A hand moves a few pixels between two frames, now and then turning.
    void move(Qt::MouseButtons buttons)
    {
        if (next() % 40 == 0)
            m_step = QPoint(int(next() % 9) - 4, int(next() % 9) - 4);
        m_at += m_step;
        m_at.setX(std::clamp(m_at.x(), 0, Width - 1));
        m_at.setY(std::clamp(m_at.y(), 0, CanvasHeight - 1));
        if (m_at.x() == 0 || m_at.x() == Width - 1 || m_at.y() == 0 || m_at.y() == CanvasHeight - 1)
            m_step = -m_step;
        send(QEvent::MouseMove, buttons);
        ++m_moves;
    }

    void send(QEvent::Type type, Qt::MouseButtons buttons)
    {
        sendMouse(m_shown.canvas(m_floor), type, m_at, buttons);
        QApplication::processEvents();
    }

    ShownWindow& m_shown;
    quint32 m_random = 2024;
    QPoint m_at{200, 200};
    QPoint m_step{3, 1};
    int m_floor = 1;
    long m_moves = 0;
    long m_strokes = 0;
};

void tenMinutesOfDrawing(benchmark::State& state)
{
    for (auto _ : state) {
        ShownWindow shown(Width);
        QApplication::processEvents();
        const long atStart = residentKilobytes();
        const long heapAtStart = heapInUseKilobytes();
        Script script(shown);
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuStart = std::clock();
        // Resident memory breathes by a megabyte or so as the undo and copy
        // pictures come and go and the heap keeps freed pages; the heap in use
        // does not, so a leak shows there first.
        long atHalfTime = 0;
        long heapAtHalfTime = 0;
        qsizetype historyAtHalfTime = 0;
        long highest = 0;
        for (int minute = 1; minute <= Minutes; ++minute) {
            while (script.moves() < minute * MovesPerMinute)
                script.stroke();
            const long now = residentKilobytes();
            if (minute == HalfTime) {
                atHalfTime = now;
                heapAtHalfTime = heapInUseKilobytes();
                historyAtHalfTime = shown.window().plan().history().bytes();
            }
            highest = std::max(highest, now);
        }
        const long atEnd = residentKilobytes();
        const long heapAtEnd = heapInUseKilobytes();
        state.counters["heap_in_use_after_startup_kB"] = double(heapAtStart);
        state.counters["heap_in_use_after_5_minutes_kB"] = double(heapAtHalfTime);
        state.counters["heap_in_use_after_10_minutes_kB"] = double(heapAtEnd);
        state.counters["heap_growth_minutes_5_to_10_kB"] = double(heapAtEnd - heapAtHalfTime);
        // Grows by design until the 64 MB budget is full; a leak is what the heap adds beyond it.
        state.counters["undo_history_after_5_minutes_kB"] = double(historyAtHalfTime) / 1024;
        state.counters["undo_history_after_10_minutes_kB"] = double(shown.window().plan().history().bytes()) / 1024;
        const double events = double(script.events());
        state.counters["rss_after_startup_kB"] = double(atStart);
        state.counters["rss_after_5_minutes_kB"] = double(atHalfTime);
        state.counters["rss_after_10_minutes_kB"] = double(atEnd);
        state.counters["rss_highest_minute_1_to_10_kB"] = double(highest);
        state.counters["rss_growth_since_startup_kB"] = double(atEnd - atStart);
        state.counters["rss_growth_minutes_5_to_10_kB"] = double(atEnd - atHalfTime);
        state.counters["events"] = events;
        state.counters["us per event (real)"] = double(wall.nsecsElapsed()) / 1000.0 / events;
        state.counters["us per event (CPU)"] = double(std::clock() - cpuStart) * 1e6 / CLOCKS_PER_SEC / events;
    }
}
} // namespace

void registerMemoryBenchmarks()
{
    benchmark::RegisterBenchmark("Memory/ten-minutes-of-drawing", tenMinutesOfDrawing)
        ->Iterations(1)
        ->Repetitions(1)
        ->Unit(benchmark::kMillisecond);
}
