#include "iconeditor/IconPalette.h"

#include "image/IconPaletteImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

IconPalette::IconPalette(QWidget* parent)
    : QFrame(parent)
    , m_image(renderIconPalette())
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
}

QString IconPalette::colourTip(QRgb colour)
{
    return QStringLiteral(" R:%1 / G:%2 / B:%3 ").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

void IconPalette::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect area = event->rect() & contentsRect();
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(area, m_image, area.translated(-contentsRect().topLeft()));
}

std::optional<QRgb> IconPalette::colourAt(const QMouseEvent* event) const
{
    const QPoint at = event->position().toPoint() - contentsRect().topLeft();
    if (!m_image.rect().contains(at))
        return std::nullopt;
    return m_image.pixel(at);
}

void IconPalette::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<QRgb> colour = colourAt(event))
        emit colourChosen(*colour);
}

void IconPalette::mouseMoveEvent(QMouseEvent* event)
{
    if (const std::optional<QRgb> colour = colourAt(event))
        setToolTip(colourTip(*colour));
}
