#include "core/ExactPointer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

ExactPointer::ExactPointer(QObject* parent) : QObject(parent)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool ExactPointer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
        && watched->isWindowType()) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        m_window = static_cast<QWindow*>(watched);
        m_inWindow = mouse->position();
        m_global = mouse->globalPosition();
    }
    return false;
}

QPointF ExactPointer::inWidget(const QWidget& widget, QPointF reported) const
{
    const QWidget* top = widget.window();
    if (!m_window || top->windowHandle() != m_window)
        return reported;
    // Offsets of widgets inside their window are whole pixels: only the
    // pointer itself carries a fraction.
    const QPointF exact = m_inWindow - widget.mapTo(top, QPointF());
    return exact.toPoint() == reported.toPoint() ? exact : reported;
}

QPointF ExactPointer::onScreen(QPointF reported) const
{
    return m_window && m_global.toPoint() == reported.toPoint() ? m_global : reported;
}
