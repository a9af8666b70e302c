#include "drawing/TextPalette.h"

const std::array<QRgb, 16>& textPaletteColours()
{
    static const std::array<QRgb, 16> colours{
        qRgb(0, 0, 0),     qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),   qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255), qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),   qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return colours;
}

QImage textPalettePicture(QSize size, QRgb background)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(background);
    const QRect inside = picture.rect();
    for (int k = 0; k < 16; ++k) {
        const int left = 1 + 23 * k;
        const QRect swatch(QPoint(left, 1), QPoint(left + 21, 20));
        for (int y = swatch.top(); y <= swatch.bottom(); ++y) {
            for (int x = swatch.left(); x <= swatch.right(); ++x) {
                if (!inside.contains(x, y))
                    continue;
                const bool outline = x == swatch.left() || x == swatch.right() || y == swatch.top()
                                     || y == swatch.bottom();
                picture.setPixel(x, y, outline ? qRgb(0, 0, 0) : textPaletteColours()[size_t(k)]);
            }
        }
    }
    return picture;
}
