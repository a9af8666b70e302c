// Bathroom fittings seen from above, each standing against a wall at the top
// of the symbol, the way they are drawn in a plan: outer rim, the bowl or tub
// inside it, and the tap or drain where the eye looks for them.

#include "Art.h"
#include "Raster.h"

namespace art {

namespace {

QImage toilet()
{
    QImage image = blank(SymbolSize, SymbolSize);
    roundBox(image, 7, 1, 24, 8, 1);           // cistern against the wall
    ellipse(image, 9, 8, 22, 30);              // bowl
    ellipse(image, 11, 12, 20, 27);            // seat opening
    hline(image, 9, 22, 9);                    // seat hinge line
    return image;
}

QImage washbasin()
{
    QImage image = blank(SymbolSize, SymbolSize);
    roundBox(image, 3, 1, 28, 22, 5);
    ellipse(image, 7, 6, 24, 20);
    circle(image, 15, 13, 1);                  // drain
    fillBox(image, 15, 2, 16, 5);              // tap
    return image;
}

QImage bath()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 1, 1, 30, 17);
    roundBox(image, 3, 3, 28, 15, 5);
    circle(image, 7, 9, 1);                    // drain at the tap end
    fillBox(image, 2, 8, 3, 10);               // tap
    return image;
}

QImage shower()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 1, 1, 30, 30);
    box(image, 3, 3, 28, 28);
    line(image, 3, 3, 28, 28);                 // the tray falls to the drain
    line(image, 28, 3, 3, 28);
    fillEllipse(image, 12, 12, 19, 19, Clear);
    circle(image, 15, 15, 2);
    plot(image, 15, 15);
    return image;
}

QImage bidet()
{
    QImage image = blank(SymbolSize, SymbolSize);
    ellipse(image, 8, 2, 23, 27);
    ellipse(image, 11, 8, 20, 24);
    fillBox(image, 15, 4, 16, 6);              // tap at the wall end
    circle(image, 15, 16, 1);
    return image;
}

QImage urinal()
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, 8, 23, 1);
    ellipse(image, 8, -10, 23, 16, Ink, BottomLeft | BottomRight);
    ellipse(image, 11, -6, 20, 12, Ink, BottomLeft | BottomRight);
    circle(image, 15, 7, 1);
    return image;
}

// A corner bath: two straight sides along the walls, a curved front, and
// the tub inside following the same curve.
QImage cornerBath()
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, 1, 30, 1);
    vline(image, 1, 1, 30);
    circle(image, 1, 1, 29, Ink, BottomRight);
    for (const QPoint& p : ellipsePoints(-24, -24, 26, 26, BottomRight))
        if (p.x() >= 4 && p.y() >= 4)
            plot(image, p.x(), p.y());
    hline(image, 4, 25, 4);
    vline(image, 4, 4, 25);
    circle(image, 8, 8, 1);
    return image;
}

QImage doubleBasin()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 0, 1, 31, 17);                  // vanity top
    ellipse(image, 2, 4, 14, 15);
    ellipse(image, 17, 4, 29, 15);
    fillBox(image, 8, 2, 8, 3);
    fillBox(image, 23, 2, 23, 3);
    plot(image, 8, 10);
    plot(image, 23, 10);
    return image;
}

} // namespace

void drawSanitary(Library& library)
{
    library[15] = toilet();
    library[16] = washbasin();
    library[17] = bath();
    library[18] = shower();
    library[19] = bidet();
    library[20] = urinal();
    library[21] = cornerBath();
    library[22] = doubleBasin();
}

} // namespace art
