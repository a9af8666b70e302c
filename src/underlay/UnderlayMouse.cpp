#include "underlay/UnderlayMouse.h"

#include "floors/CanvasWidget.h"

#include <QMouseEvent>

UnderlayMouse::UnderlayMouse(const std::array<CanvasWidget*, 3>& canvases, std::function<bool(int floor)> hasPlan,
                             QObject* parent)
    : QObject(parent)
    , m_canvases(canvases)
    , m_hasPlan(std::move(hasPlan))
{
    for (CanvasWidget* canvas : m_canvases)
        canvas->installEventFilter(this);
}

void UnderlayMouse::pickTwoPoints(int floor)
{
    m_pickFloor = floor;
    m_haveFirst = false;
}

void UnderlayMouse::stopPicking()
{
    m_pickFloor = 0;
    m_haveFirst = false;
}

bool UnderlayMouse::eventFilter(QObject* watched, QEvent* event)
{
    auto* canvas = qobject_cast<CanvasWidget*>(watched);
    const QEvent::Type type = event->type();
    if (canvas && type == QEvent::Show)
        emit floorShown(canvas->floorIndex());
    if (!canvas
        || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int floor = canvas->floorIndex();
    const QPointF at = canvas->canvasPixel(mouse);
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_swallowing = handlePress(floor, at, mouse->button(), mouse->modifiers());
        return m_swallowing;
    case QEvent::MouseMove:
        if (m_dragFloor == floor) {
            emit dragged(floor, at - m_dragAt);
            m_dragAt = at;
        }
        // A hover still shows the coordinates; a taken press draws nothing.
        return m_swallowing && mouse->buttons() != Qt::NoButton;
    default: {
        const bool swallowed = m_swallowing;
        if (mouse->buttons() == Qt::NoButton) {
            m_swallowing = false;
            if (m_dragFloor == floor) {
                m_dragFloor = 0;
                emit dragFinished(floor);
            }
        }
        return swallowed;
    }
    }
}

bool UnderlayMouse::handlePress(int floor, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (m_pickFloor == floor && button == Qt::LeftButton) {
        if (!m_haveFirst) {
            m_haveFirst = true;
            m_first = at;
            emit firstPointPicked(floor, at);
        } else {
            stopPicking();
            emit pointsPicked(floor, m_first, at);
        }
        return true;
    }
    if (button == Qt::LeftButton && (modifiers & Qt::ControlModifier) && m_hasPlan(floor)) {
        m_dragFloor = floor;
        m_dragAt = at;
        return true;
    }
    return false;
}
