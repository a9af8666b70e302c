#include "image/IconPaletteImage.h"

QRgb iconPaletteColour(int row, int column)
{
    const int i = 15 * row;
    switch (column) {
    case 0: return qRgb(i, i, i);
    case 1: return qRgb(0, 255 - i, 255 - i);
    case 2: return qRgb(0, 0, i);
    case 3: return qRgb(255 - i, 0, 255 - i);
    case 4: return qRgb(i, i, 0);
    case 5: return qRgb(255 - i, 0, 0);
    case 6: return qRgb(0, i, 0);
    }
    return qRgb(255, 255, 255);
}

QImage renderIconPalette()
{
    QImage palette(IconPaletteWidth, IconPaletteHeight, QImage::Format_RGB32);
    palette.fill(qRgb(255, 255, 255));
    for (int y = 0; y < IconPaletteRows * IconSwatchHeight; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(palette.scanLine(y));
        for (int x = 0; x < IconPaletteColumns * IconSwatchWidth; ++x)
            line[x] = iconPaletteColour(y / IconSwatchHeight, x / IconSwatchWidth);
    }
    return palette;
}
