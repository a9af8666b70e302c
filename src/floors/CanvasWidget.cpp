#include "floors/CanvasWidget.h"

#include "core/ExactPointer.h"
#include "plan/Floor.h"
#include "plan/Underlay.h"
#include "floors/OverlayArea.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

CanvasWidget::CanvasWidget(int floorIndex, Floor& floor, QWidget* parent)
    : QWidget(parent)
    , m_floorIndex(floorIndex)
    , m_floor(floor)
    , m_pointer(new ExactPointer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    renderPicture(painter, dirty);

    const Overlays& o = m_floor.overlays;
    if (o.cursorImageVisible && !o.cursorImage.isNull())
        painter.drawImage(o.cursorImageAt, o.cursorImage);
    if (o.textVisible) {
        painter.setFont(o.textFont);
        painter.setPen(o.textColour);
        const QFontMetrics metrics(o.textFont);
        painter.drawText(o.textAt + QPoint(0, metrics.ascent()), o.text);
    }
    // Outlines pixel for pixel as OverlayArea reckons them, so a repaint of
    // their area always takes the old outline away.
    if (o.layerVisible) {
        for (const QRect& part : outlineRegion(o.layer))
            painter.fillRect(part, QColor(192, 192, 192));
    }
    if (o.gumVisible) {
        for (const QRect& part : outlineRegion(o.gum))
            painter.fillRect(part, QColor(128, 128, 128));
    }
    // Filled, not stroked: a pen's line would be one screen pixel thin above
    // 100 % scaling, where the hair must cover its whole canvas row and column.
    if (o.crossVisible) {
        painter.fillRect(0, o.cross.y(), width(), 1, QColor(192, 192, 192));
        painter.fillRect(o.cross.x(), 0, 1, height(), QColor(192, 192, 192));
    }
}

void CanvasWidget::renderPicture(QPainter& painter, const QRect& area)
{
    const QRect inside = area & m_floor.image.rect();
    const bool below = m_below && m_below->image.size() == m_floor.image.size();
    const bool paper = m_underlay && m_underlay->shown().size() == m_floor.image.size();
    if (!below && !m_grid.isOn() && !paper) {
        painter.drawImage(inside, m_floor.image, inside);
        return;
    }
    if (m_guideBuffer.size() != m_floor.image.size())
        m_guideBuffer = QImage(m_floor.image.size(), QImage::Format_RGB32);
    m_grid.fit(m_floor.image.size());
    const QRgb white = qRgb(255, 255, 255);
    const QRgb guide = qRgb(205, 205, 205);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const QRgb* own = reinterpret_cast<const QRgb*>(m_floor.image.constScanLine(y));
        const QRgb* under = below ? reinterpret_cast<const QRgb*>(m_below->image.constScanLine(y)) : nullptr;
        const QRgb* plan = paper ? reinterpret_cast<const QRgb*>(m_underlay->shown().constScanLine(y)) : nullptr;
        QRgb* out = reinterpret_cast<QRgb*>(m_guideBuffer.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = own[x] | 0xff000000u;
            if (pixel != white) {
                out[x] = pixel;
            } else if (under && (under[x] | 0xff000000u) != white) {
                out[x] = guide;
            } else {
                const QRgb line = m_grid.isOn() ? m_grid.colourAt(x, y) : white;
                out[x] = line != white || !plan ? line : plan[x];
            }
        }
    }
    painter.drawImage(inside, m_guideBuffer, inside);
}

QPointF CanvasWidget::canvasPixel(const QMouseEvent* event) const
{
    // The pixel under the pointer, whatever part of it the pointer is on: at
    // 200 % a canvas pixel is two screen pixels wide and both must hit it.
    const QPointF exact = m_pointer->inWidget(*this, event->position());
    return QPointF(std::floor(exact.x()), std::floor(exact.y()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(m_floorIndex, event->buttons(), event->modifiers(), canvasPixel(event));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(m_floorIndex, event->buttons(), event->modifiers(), canvasPixel(event));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    // The released button is no longer in buttons(); report it as the design did.
    emit released(m_floorIndex, event->button(), event->modifiers(), canvasPixel(event));
}
