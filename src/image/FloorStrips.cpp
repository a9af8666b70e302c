#include "image/FloorStrips.h"

#include "image/Twips.h"

#include <QPainter>

QImage composeFloors(const std::array<QImage, 3>& floors, int count, int stripWidth)
{
    if (count < 1 || count > 3 || stripWidth <= 0)
        return {};
    QImage composite(count * stripWidth, CanvasHeight, QImage::Format_RGB32);
    composite.fill(Qt::white);
    QPainter painter(&composite);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < count; ++k) {
        const QImage& floor = floors[size_t(k)];
        const QRect strip(k * stripWidth, 0, stripWidth, CanvasHeight);
        if (floor.size() == strip.size())
            painter.drawImage(strip.topLeft(), floor);
        else
            painter.drawImage(strip, floor, floor.rect());
    }
    return composite;
}

int floorCountForWidth(int pictureWidth, int stripWidth)
{
    if (stripWidth <= 0)
        return 0;
    for (int count = 1; count <= 3; ++count) {
        if (pictureWidth == count * stripWidth)
            return count;
    }
    return 0;
}

namespace {
// numerator / denominator to the nearest whole number, halves to the even one.
int divideRoundingHalfToEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}
} // namespace

int suggestedCanvasWidth(int pictureWidth)
{
    int suggestion = pictureWidth;
    if (pictureWidth > 470)
        suggestion = divideRoundingHalfToEven(pictureWidth, 2);
    if (pictureWidth > 1050)
        suggestion = divideRoundingHalfToEven(pictureWidth, 3);
    return suggestion;
}

QImage cutStrip(const QImage& picture, int k, int stripWidth)
{
    QImage strip(stripWidth, CanvasHeight, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), picture, QRect((k - 1) * stripWidth, 0, stripWidth, CanvasHeight));
    return strip;
}
