#include "drawing/magnifier/Magnifier.h"

#include "core/ExactPointer.h"
#include "drawing/magnifier/MagnifierOptions.h"
#include "drawing/magnifier/MagnifierSource.h"
#include "drawing/magnifier/MagnifierView.h"
#include "plan/ToolChoice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cmath>

namespace {
const QString IdlePicture = QStringLiteral(":/library/099.png");
// While a big symbol is being placed, the enlarged area moves this far down and right.
constexpr int PlacementShift = 34;
} // namespace

Magnifier::Magnifier(MagnifierOptions& options, const ToolChoice& tools, MagnifierView& view, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_tools(tools)
    , m_view(view)
    , m_idle(IdlePicture)
    , m_pointer(new ExactPointer(this))
{
    showIdlePicture();
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Magnifier::tick);
    m_timer.start();
}

int Magnifier::shift() const
{
    return toolProperties(m_tools.current).shiftsMagnifier ? PlacementShift : 0;
}

void Magnifier::switchOn()
{
    m_options.on = true;
}

void Magnifier::switchOff()
{
    m_options.on = false;
    showIdlePicture();
}

void Magnifier::showIdlePicture()
{
    QImage& buffer = m_view.buffer();
    buffer.fill(m_view.palette().color(QPalette::Window));
    if (!m_idle.isNull()) {
        QPainter painter(&buffer);
        painter.drawImage(0, 0, m_idle);
    }
    m_view.update();
}

void Magnifier::tick()
{
    if (!m_options.on)
        return;
    // The device-independent pixel the pointer is on; above 100 % scaling
    // QCursor::pos() rounds to the nearer of two.
    const QPointF exact = m_pointer->onScreen(QCursor::pos());
    const QPoint pointer(int(std::floor(exact.x())), int(std::floor(exact.y())));
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;

    QImage& buffer = m_view.buffer();
    const QRect source = magnifierSourceRect(pointer, buffer.size(), m_options.zoom, shift());
    // Only what lies on the screen is asked for; the rest of the view stays background.
    const QRect onScreen = source & screen->virtualGeometry();
    QImage grabbed;
    if (!onScreen.isEmpty())
        grabbed = screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
    enlargeInto(buffer, grabbed, grabbed.isNull() ? QRect() : onScreen, source,
                m_view.palette().color(QPalette::Window).rgb());
    m_view.update();
}
