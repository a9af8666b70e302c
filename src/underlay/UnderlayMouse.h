#pragma once

#include <QObject>
#include <QPointF>

#include <array>
#include <functional>

class CanvasWidget;

// Takes the pointer on the canvases away from the drawing tools while the user
// clicks two points on a paper plan, or drags the plan with Ctrl held down.
// Every other press reaches the tools as before.
class UnderlayMouse : public QObject {
    Q_OBJECT
public:
    UnderlayMouse(const std::array<CanvasWidget*, 3>& canvases, std::function<bool(int floor)> hasPlan,
                  QObject* parent = nullptr);

    // The next two left clicks on `floor`'s canvas are points on its plan.
    void pickTwoPoints(int floor);
    void stopPicking();
    bool isPicking() const { return m_pickFloor != 0; }

signals:
    void firstPointPicked(int floor, QPointF at);
    void pointsPicked(int floor, QPointF first, QPointF second);
    void dragged(int floor, QPointF distance);
    void dragFinished(int floor);
    // The canvas of `floor` came on screen: the user switched floors.
    void floorShown(int floor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handlePress(int floor, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    std::array<CanvasWidget*, 3> m_canvases;
    std::function<bool(int)> m_hasPlan;
    int m_pickFloor = 0;
    bool m_haveFirst = false;
    QPointF m_first;
    // The floor whose plan is being dragged, and where the pointer was last.
    int m_dragFloor = 0;
    QPointF m_dragAt;
    // A press taken here keeps its moves and release from the tools.
    bool m_swallowing = false;
};
