// The whole library on one sheet, enlarged, on plan-white cells with the
// index under each picture: the quickest way to judge the symbols side by side.

#include "Art.h"
#include "PixelFont.h"
#include "Raster.h"

namespace art {

QImage contactSheet(const Library& library, int zoom)
{
    constexpr int Columns = 10;
    const int cell = SymbolSize * zoom;
    const int labelHeight = GlyphHeight * 2 + 6;
    const int pitchX = cell + 8, pitchY = cell + labelHeight + 8;
    const int count = int(library.size() - library.count(99));
    const int rows = (count + Columns - 1) / Columns;
    QImage sheet = filled(Columns * pitchX + 8, rows * pitchY + 8, 0xFFB0B8C0u);
    int slot = 0;
    for (const auto& [index, picture] : library) {
        if (index == 99)
            continue; // the magnifier picture is judged on its own
        const int x = 8 + (slot % Columns) * pitchX, y = 8 + (slot / Columns) * pitchY;
        fillBox(sheet, x, y, x + cell - 1, y + cell - 1, Paper);
        const QImage big = picture.scaled(picture.width() * zoom, picture.height() * zoom);
        overlay(sheet, big, x, y);
        drawText(sheet, x, y + cell + 4, QString::number(index), Ink, 2);
        ++slot;
    }
    return sheet;
}

} // namespace art
