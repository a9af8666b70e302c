#pragma once

#include <QFrame>
#include <QImage>

#include <optional>

// The palette of 18 x 7 swatches. A press with any button takes the colour
// under the pointer; moving shows that colour's numbers as the tooltip.
class IconPalette : public QFrame {
    Q_OBJECT
public:
    explicit IconPalette(QWidget* parent);

    const QImage& image() const { return m_image; }
    static QString colourTip(QRgb colour);

signals:
    void colourChosen(QRgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::optional<QRgb> colourAt(const QMouseEvent* event) const;

    QImage m_image;
};
