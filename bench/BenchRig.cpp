#include "BenchRig.h"
#include "Named.h"

#include "app/MainWindow.h"
#include "drawing/ToolPanel.h"
#include "drawing/ToolTable.h"
#include "floors/CanvasWidget.h"
#include "image/Twips.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

ScratchProgram::ScratchProgram()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("sounds"));
    QDir(m_dir.path()).mkpath(QStringLiteral("examples"));
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
}

QString ScratchProgram::path(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

ShownWindow::ShownWindow(int canvasWidth)
{
    folders.program = program.folder();
    m_window = std::make_unique<MainWindow>(settings, folders, answers, silence);
    settings.canvasExtraWidth = (canvasWidth - BaseCanvasWidth) * TwipsPerPixel;
    m_window->applyCanvasWidth();
    showAndWaitForPaint(*m_window);
}

ShownWindow::~ShownWindow() = default;

CanvasWidget* ShownWindow::canvas(int floor) const
{
    return named<CanvasWidget>(m_window.get(), QStringLiteral("floorCanvas"), floor);
}

void ShownWindow::selectTool(int index)
{
    emit named<ToolPanel>(m_window.get(), QStringLiteral("toolPanel"))->toolClicked(toolOfButton(index));
    flushRepaints();
}

PaintCounter::PaintCounter(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    paints += event->type() == QEvent::Paint;
    return false;
}

void sendMouse(QWidget* widget, int type, QPoint at, Qt::MouseButtons buttons, Qt::MouseButton button)
{
    const auto kind = QEvent::Type(type);
    const QPointF local(at);
    QMouseEvent event(kind, local, widget->mapToGlobal(local), kind == QEvent::MouseMove ? Qt::NoButton : button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void flushRepaints()
{
    QApplication::sendPostedEvents();
}

void showAndWaitForPaint(QWidget& window)
{
    PaintCounter counter(&window);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (counter.paints == 0 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (counter.paints == 0)
        qFatal("the main window never painted");
}

long residentKilobytes(qint64 pid)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // A /proc file reports size 0, so atEnd() is true at once: read it whole.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

long heapInUseKilobytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return long((heap.uordblks + heap.hblkhd) / 1024);
}

namespace {
std::atomic<long> allocations{0};
}

long allocationCount()
{
    return allocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
