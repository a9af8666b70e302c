#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;

// The floor panel: a button to show each floor, a button to clear it, and the
// canvas width in pixels.
class FloorPanel : public QFrame {
    Q_OBJECT
public:
    explicit FloorPanel(QWidget* parent);

    QLabel* canvasWidthLabel() const { return m_widthLabel; }

    // Enabled states for the floor that is now shown.
    void showFloorState(int floor);

signals:
    void showRequested(int floor);
    void clearRequested();

private:
    std::array<QPushButton*, 3> m_show{};
    std::array<QPushButton*, 3> m_clear{};
    QLabel* m_widthLabel = nullptr;
};
