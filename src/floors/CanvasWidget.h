#pragma once

#include "plan/GridOverlay.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

class ExactPointer;
class Floor;
class Underlay;
class QPainter;

// Shows one floor's picture with its overlays and hands the pointer events on
// as the canvas pixel under the pointer, at any display scaling. It computes
// no pixels itself.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(int floorIndex, Floor& floor, QWidget* parent = nullptr);

    int floorIndex() const { return m_floorIndex; }
    Floor& floor() { return m_floor; }

    // Shows the floor below faintly under this floor's white pixels, as a guide
    // for lining up walls and stairs. It never enters this floor's picture.
    void setFloorBelow(const Floor* below) { m_below = below; update(); }
    const Floor* floorBelow() const { return m_below; }
    // Shows the drawing grid over this floor's white pixels, `pixels` apart;
    // 0 takes it away. The floor below, where shown, lies above the grid.
    void setGridSpacing(double pixels) { m_grid.setSpacing(pixels); update(); }
    double gridSpacing() const { return m_grid.spacing(); }
    // Shows a paper plan faintly under this floor's white pixels, beneath the
    // grid and the floor below; nullptr takes it away.
    void setUnderlay(const Underlay* underlay) { m_underlay = underlay; update(); }
    // What the canvas shows in `area`, from the top down: the floor's own
    // pixels, the floor below, the grid, the paper plan, white.
    void renderPicture(QPainter& painter, const QRect& area);

    // The canvas pixel under the pointer of `event`.
    QPointF canvasPixel(const QMouseEvent* event) const;

signals:
    void pressed(int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at);
    void moved(int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at);
    void released(int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_floorIndex;
    Floor& m_floor;
    const Floor* m_below = nullptr;
    const Underlay* m_underlay = nullptr;
    ExactPointer* m_pointer;
    GridOverlay m_grid;
    // Reused between paints so the guides allocate nothing per event.
    QImage m_guideBuffer;
};
