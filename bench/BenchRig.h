#pragma once

// What the measurements share: a throw-away program folder, a main window on
// fixed answers and silence, mouse events sent the way the window system
// delivers them, and the process's resident memory.

#include "core/InfoLine.h"
#include "core/ProgramFolders.h"
#include "core/Prompts.h"
#include "core/Settings.h"
#include "core/WavePlayer.h"

#include <QObject>
#include <QPoint>
#include <QTemporaryDir>

#include <memory>

class CanvasWidget;
class MainWindow;
class QWidget;

// Answers every question the same way and every file dialog with one file;
// nothing blocks.
class FixedAnswers : public Prompts {
public:
    bool yes = true;
    QString file;

    bool askYesNo(const QString&, const QString&) override { return yes; }
    void message(const QString& text) override { lastMessage = text; }
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&) override { return file; }
    QString saveFileName(const QString&) override { return file; }

    QString lastMessage;
};

class Silence : public WavePlayer, public InfoLine {
public:
    void playWave(const QString&) override {}
    void showInfoText(const QString&) override {}
};

// A program folder of its own with the sub-folders the program expects; the
// recovery copy is kept inside it too, so nothing outside is touched.
class ScratchProgram {
public:
    ScratchProgram();

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// The main window as the user meets it: shown, painted once, with the canvas
// widened to `canvasWidth` pixels.
class ShownWindow {
public:
    explicit ShownWindow(int canvasWidth = 470);
    ~ShownWindow();

    MainWindow& window() { return *m_window; }
    CanvasWidget* canvas(int floor) const;
    // Clicks tool button `index` as the palette does.
    void selectTool(int index);

    ScratchProgram program;
    Settings settings;
    ProgramFolders folders;
    FixedAnswers answers;
    Silence silence;

private:
    std::unique_ptr<MainWindow> m_window;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    long paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

void sendMouse(QWidget* widget, int type, QPoint at, Qt::MouseButtons buttons, Qt::MouseButton button = Qt::LeftButton);
// Delivers everything queued, including the repaint the last event asked for.
void flushRepaints();
// Shows the window and returns once it has painted itself.
void showAndWaitForPaint(QWidget& window);

// VmRSS of this process in kilobytes, 0 when /proc cannot be read.
long residentKilobytes(qint64 pid = 0);

// Bytes the C heap holds for the program right now (in arenas and in
// mapped blocks), in kilobytes: unlike resident memory it does not keep what
// was freed, so only a leak makes it grow.
long heapInUseKilobytes();

// Heap allocations made by the whole program so far (counted by operator new).
long allocationCount();

constexpr double FrameMs = 1000.0 / 60.0;
