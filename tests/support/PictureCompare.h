#pragma once

#include <QImage>
#include <QPainter>

#include <algorithm>

// How far two pictures of one size lie apart: the largest difference of any
// red, green or blue value at any pixel. A drawing that went through a JPG
// file comes back within one step.
inline int largestChannelError(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

// Every pixel a colour of its own (up to 2048 x 512), so a cut, a shift, a
// turn or a pixel in the wrong place shows.
inline QImage patterned(int width, int height = 455)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 32 + y / 256 * 16));
    }
    return image;
}

// A floor of one colour.
inline QImage filled(int width, QRgb colour = qRgb(255, 255, 255), int height = 455)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// `picture` at the top left of a white floor `width` wide; a null picture leaves it white.
inline QImage onWhite(const QImage& picture, int width)
{
    QImage floor = filled(width);
    if (!picture.isNull())
        QPainter(&floor).drawImage(0, 0, picture);
    return floor;
}
