#pragma once

#include <QPointF>
#include <QWidget>

class Floor;

// Shows one floor's picture with its overlays and hands the pointer events on
// in canvas pixels. It computes no pixels itself.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(int floorIndex, Floor& floor, QWidget* parent = nullptr);

    int floorIndex() const { return m_floorIndex; }
    Floor& floor() { return m_floor; }

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
};
