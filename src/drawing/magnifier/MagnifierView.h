#pragma once

#include <QImage>
#include <QLabel>

// The magnifier's picture: shows a picture buffer that the magnifier fills in
// place on every refresh, so a refresh needs no new picture.
class MagnifierView : public QLabel {
    Q_OBJECT
public:
    explicit MagnifierView(QWidget* parent);

    // The inner size of the view, RGB32; made once, then refilled in place.
    // Call update() after filling it.
    QImage& buffer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_buffer;
};
