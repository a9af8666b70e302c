#include "image/IconGridImage.h"

#include "image/IconOps.h"

namespace {
constexpr QRgb Black = 0xff000000;
constexpr QRgb MarkRed = 0xffff0000;
constexpr int GridEnd = IconGridOrigin + IconSide * IconCellPitch; // 355, the last line

void fillRect(QImage& image, const QRect& area, QRgb colour)
{
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            row[x] = colour;
    }
}

// Black outline, red inside: both corners inclusive.
void drawMark(QImage& grid, const QRect& box)
{
    fillRect(grid, box, Black);
    fillRect(grid, box.adjusted(1, 1, -1, -1), MarkRed);
}
} // namespace

QImage blankIconGrid()
{
    QImage grid(IconGridSide, IconGridSide, QImage::Format_RGB32);
    grid.fill(IconBackground);
    drawIconGridLines(grid);
    return grid;
}

void drawIconGridLines(QImage& grid)
{
    for (int k = 0; k <= IconSide; ++k) {
        const int at = IconGridOrigin + k * IconCellPitch;
        fillRect(grid, QRect(QPoint(at, IconGridOrigin), QPoint(at, GridEnd)), IconGridLineColour);
        fillRect(grid, QRect(QPoint(IconGridOrigin, at), QPoint(GridEnd, at)), IconGridLineColour);
    }
    for (int cell : {8, 17, 26}) {
        const int from = IconGridOrigin + cell * IconCellPitch;
        const int to = from + IconCellPitch;
        drawMark(grid, QRect(QPoint(1, from), QPoint(3, to)));
        drawMark(grid, QRect(QPoint(IconGridSide - 3, from), QPoint(IconGridSide - 1, to)));
        drawMark(grid, QRect(QPoint(from, 1), QPoint(to, 3)));
        drawMark(grid, QRect(QPoint(from, IconGridSide - 3), QPoint(to, IconGridSide - 1)));
    }
}

void renderIconGrid(QImage& grid, const QImage& icon)
{
    const int columns = qMin(icon.width(), IconSide);
    const int rows = qMin(icon.height(), IconSide);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            paintIconGridCell(grid, QPoint(x, y), icon.pixel(x, y));
    drawIconGridLines(grid);
}

QRect paintIconGridCell(QImage& grid, QPoint cell, QRgb colour)
{
    if (cell.x() < 0 || cell.y() < 0 || cell.x() >= IconSide || cell.y() >= IconSide)
        return {};
    // The square of nine pixels round the cell's centre (10x + 10, 10y + 10).
    const QPoint centre((cell.x() + 1) * IconCellPitch, (cell.y() + 1) * IconCellPitch);
    const QRect inside(centre - QPoint(4, 4), centre + QPoint(4, 4));
    fillRect(grid, inside, colour | 0xff000000u);
    return inside;
}

void fillIconGrid(QImage& grid, QRgb colour)
{
    fillRect(grid, QRect(QPoint(IconGridOrigin, IconGridOrigin), QPoint(GridEnd, GridEnd)), colour | 0xff000000u);
    drawIconGridLines(grid);
}
