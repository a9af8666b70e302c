// Pictures of the line widths and dimension styles that tools 1 to 4 offer.
// They show exactly what the tool will draw, so the samples follow the
// drawing rules: a width-w line, the double line of the rectangle tool
// (two 3-pixel lines 4 pixels apart) and the three dimension end marks.

#include "Art.h"
#include "Raster.h"

namespace art {

namespace {
constexpr int Left = 3, Right = 28, Row = 15;

QImage widthSample(int width)
{
    QImage image = blank(SymbolSize, SymbolSize);
    const int top = 16 - (width + 1) / 2;
    fillBox(image, Left, top, Right, top + width - 1);
    return image;
}

QImage doubleLine()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, Left, Row - 3, Right, Row - 1);
    fillBox(image, Left, Row + 1, Right, Row + 3);
    return image;
}

// Dimension end marks as the tool draws them: a tick from 4 before to 5 after
// the line, and an arrowhead of five growing columns with its tip on the end.
QImage dimension(bool ticks, bool arrowheads)
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, Left, Right, Row);
    if (ticks) {
        vline(image, Left, Row - 4, Row + 5);
        vline(image, Right, Row - 4, Row + 5);
    }
    if (arrowheads) {
        for (int i = 0; i <= 4; ++i) {
            vline(image, Left + i, Row - i, Row + i);
            vline(image, Right - i, Row - i, Row + i);
        }
    }
    return image;
}
} // namespace

void drawLineSamples(Library& library)
{
    for (int width = 1; width <= 5; ++width)
        library[width - 1] = widthSample(width);
    library[5] = doubleLine();
    library[9] = dimension(true, false);
    library[10] = dimension(false, true);
    library[11] = dimension(true, true);
}

} // namespace art
