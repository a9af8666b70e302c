#pragma once

#include <QObject>

#include <array>

class QLabel;
class QScrollBar;
class QWidget;

// The three colour bars and the swatch that shows the drawing colour.
class ColorPanel : public QObject {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* frame);

    QScrollBar* colourBar(int index) const { return m_bars[size_t(index - 1)]; }
    void setSwatch(int red, int green, int blue);

private:
    std::array<QScrollBar*, 3> m_bars{};
    QLabel* m_swatch = nullptr;
};
