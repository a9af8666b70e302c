#include "image/TextStamp.h"

#include <QFontMetrics>
#include <QPainter>

QPoint textBaseline(QPoint topLeft, const QFont& font)
{
    return topLeft + QPoint(0, QFontMetrics(font).ascent());
}

QRect drawText(QImage& image, QPoint topLeft, const QString& text, const QFont& font, QRgb colour)
{
    if (text.isEmpty() || image.isNull())
        return {};
    const QFontMetrics metrics(font);
    // The bounding rectangle can reach left of the pen position (italic overhang)
    // and the underline sits below the descent: widen by a margin.
    const QRect bounds = metrics.boundingRect(text).translated(textBaseline(topLeft, font)).adjusted(-2, -2, 2, 2)
                             .united(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height() + 2)));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(textBaseline(topLeft, font), text);
    return bounds.intersected(image.rect());
}
