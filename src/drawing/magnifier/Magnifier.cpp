#include "drawing/magnifier/Magnifier.h"

#include "core/Algemeen.h"
#include "core/ExactPointer.h"
#include "drawing/magnifier/MagnifierSource.h"
#include "drawing/magnifier/MagnifierView.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cmath>

namespace {
const QString IdlePicture = QStringLiteral(":/library/099.png");
}

Magnifier::Magnifier(Algemeen& state, MagnifierView& view, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_view(view)
    , m_idle(IdlePicture)
    , m_pointer(new ExactPointer(this))
{
    showIdlePicture();
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Magnifier::tick);
    m_timer.start();
}

void Magnifier::switchOn()
{
    m_state.MagnifierOn = true;
}

void Magnifier::switchOff()
{
    m_state.MagnifierOn = false;
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
    if (!m_state.MagnifierOn)
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
    const QRect source = magnifierSourceRect(pointer, buffer.size(), m_state.MagnifierZoom, m_state.MagnifierShift);
    // Only what lies on the screen is asked for; the rest of the view stays background.
    const QRect onScreen = source & screen->virtualGeometry();
    QImage grabbed;
    if (!onScreen.isEmpty())
        grabbed = screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
    enlargeInto(buffer, grabbed, grabbed.isNull() ? QRect() : onScreen, source,
                m_view.palette().color(QPalette::Window).rgb());
    m_view.update();
}
