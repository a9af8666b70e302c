#include "drawing/magnifier/MagnifierView.h"

#include <QPaintEvent>
#include <QPainter>

MagnifierView::MagnifierView(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& MagnifierView::buffer()
{
    const QSize inner = contentsRect().size();
    if (m_buffer.size() != inner) {
        m_buffer = QImage(inner, QImage::Format_RGB32);
        m_buffer.fill(palette().color(QPalette::Window));
    }
    return m_buffer;
}

void MagnifierView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, palette().color(QPalette::Window));
    const QRect inner = dirty.intersected(contentsRect());
    painter.drawImage(inner, buffer(), inner.translated(-contentsRect().topLeft()));
}
