#include "image/TextStamp.h"

#include <QFontMetrics>
#include <QPainter>

QRect drawText(QImage& image, QPoint topLeft, const QString& text, const QFont& requested, QRgb colour)
{
    if (text.isEmpty() || image.isNull())
        return {};
    // Qt drops glyph hinting altogether above 100 % display scaling; asked for
    // by name, the usual light hinting gives the drawing the same text pixels
    // at every scaling.
    QFont font = requested;
    font.setHintingPreference(QFont::PreferVerticalHinting);
    const QFontMetrics metrics(font);
    const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
    // The ink can reach left of the pen position (italic overhang) and the
    // underline below the descent: the line box widened by a margin holds it.
    const QRect lineBox(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const QRect bounds = metrics.boundingRect(text).translated(baseline).united(lineBox).adjusted(-2, -2, 2, 2);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(baseline, text);
    return bounds.intersected(image.rect());
}
