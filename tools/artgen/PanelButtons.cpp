// The small buttons of the floor panel (clear a floor), of the imported-icon
// panel (import, turn, mirror) and the fourteen tools of the icon editor.

#include "Art.h"
#include "Palette.h"
#include "PixelFont.h"
#include "Raster.h"
#include "SmallDrawings.h"

namespace art {

namespace {
using namespace colours;

// A little floor plan crossed out in red, with the floor's number beside it.
QImage clearFloor(int floor)
{
    QImage image = blank(35, 18);
    drawText(image, 1, 2, QString::number(floor), Outline, 2);
    fillBox(image, 15, 3, 32, 14, PaperWhite);
    box(image, 15, 3, 32, 14, Outline);
    vline(image, 23, 3, 14, Outline);
    hline(image, 23, 32, 9, Outline);
    band(image, {13.5, 1.5}, {33.5, 16.5}, 2.2, Red);
    band(image, {33.5, 1.5}, {13.5, 16.5}, 2.2, Red);
    return image;
}

// An arrow coming down into a tray.
QImage importIcon()
{
    QImage image = blank(17, 17);
    fillPolygon(image, {{7, 1}, {10, 1}, {10, 6}, {13.5, 6}, {8.5, 11}, {3.5, 6}, {7, 6}}, Green);
    addOutline(image, Outline);
    vline(image, 1, 10, 15, Outline);
    vline(image, 15, 10, 15, Outline);
    hline(image, 1, 15, 15, Outline);
    hline(image, 2, 14, 14, Stone);
    return image;
}

QImage newPage()
{
    QImage image = blank(20, 20);
    fillPolygon(image, {{4, 1}, {12, 1}, {16, 5}, {16, 19}, {4, 19}}, PaperWhite);
    addOutline(image, Outline);
    line(image, 12, 1, 12, 5, Outline);
    line(image, 12, 5, 16, 5, Outline);
    return image;
}

QImage openFolder()
{
    QImage image = blank(20, 20);
    fillBox(image, 1, 4, 7, 6, shade(Pencil, 0.8));
    fillBox(image, 1, 6, 16, 17, shade(Pencil, 0.8));
    fillPolygon(image, {{4, 10}, {20, 10}, {17, 18}, {1, 18}}, Pencil);
    addOutline(image, Outline);
    return image;
}

QImage floppy()
{
    QImage image = blank(20, 20);
    fillPolygon(image, {{1, 1}, {16, 1}, {19, 4}, {19, 19}, {1, 19}}, Blue);
    fillBox(image, 5, 1, 14, 6, Metal);
    fillBox(image, 11, 2, 12, 5, Steel);
    fillBox(image, 4, 10, 15, 18, PaperWhite);
    hline(image, 6, 13, 13, Sky);
    hline(image, 6, 13, 15, Sky);
    addOutline(image, Outline);
    return image;
}

QImage border()
{
    QImage image = blank(20, 20);
    box(image, 2, 2, 17, 17, Red);
    box(image, 3, 3, 16, 16, Red);
    plot(image, 9, 9, Outline);
    plot(image, 10, 10, Outline);
    plot(image, 9, 10, Outline);
    plot(image, 10, 9, Outline);
    return image;
}

QImage smallBucket()
{
    QImage image = blank(20, 20);
    circle(image, 9, 7, 5, Outline, TopLeft | TopRight);
    fillPolygon(image, {{4, 7}, {15, 7}, {14, 18}, {5, 18}}, Metal);
    fillEllipse(image, 4, 6, 14, 9, Blue);
    fillBox(image, 5, 9, 6, 13, Blue);
    addOutline(image, Outline);
    return image;
}

// A square, dark on the left, light on the right, with a disc in the
// opposite colours: each half is the negative of the other.
QImage negative()
{
    QImage image = blank(20, 20);
    QImage disc = blank(20, 20);
    fillEllipse(disc, 4, 4, 15, 15, Ink);
    for (int y = 1; y <= 18; ++y)
        for (int x = 1; x <= 18; ++x)
            image.setPixel(x, y, ((x < 10) != (qAlpha(disc.pixel(x, y)) != 0)) ? Outline : PaperWhite);
    box(image, 1, 1, 18, 18, Outline);
    return image;
}

QImage circleTool()
{
    QImage image = blank(20, 20);
    ellipse(image, 2, 2, 17, 17, Red);
    ellipse(image, 3, 3, 16, 16, Red);
    return image;
}

// A pipette taking up a drop of colour.
QImage pipette()
{
    QImage image = blank(20, 20);
    const QPointF tip(2, 18), end(18.5, 1.5);
    fillPolygon(image, alongAxis(tip, end, 0, 13, 2, 4), Metal);
    fillPolygon(image, alongAxis(tip, end, 0, 6, 2, 3), Blue);
    fillPolygon(image, alongAxis(tip, end, 13, 23, 6, 6), Red);
    addOutline(image, Outline);
    return image;
}

} // namespace

void drawPanelButtons(Pictures& buttons)
{
    for (int floor = 1; floor <= 3; ++floor)
        buttons[QStringLiteral("clear_%1").arg(floor)] = clearFloor(floor);
    buttons[QStringLiteral("import")] = importIcon();
    buttons[QStringLiteral("rotate")] = turnArrow(20, 17);
    buttons[QStringLiteral("mirror")] = mirrorPair(20, 17);
}

void drawEditorButtons(Pictures& buttons)
{
    const QImage left = leftArrow(20);
    const QImage pictures[14] = {
        newPage(),        openFolder(),        floppy(),          border(),
        turnArrow(20, 20), mirrorPair(20, 20), smallBucket(),     left,
        flippedLeftRight(left), transposed(left), flippedTopBottom(transposed(left)), negative(),
        circleTool(),     pipette(),
    };
    for (int i = 0; i < 14; ++i)
        buttons[QStringLiteral("icon_%1").arg(i + 1, 2, 10, QLatin1Char('0'))] = pictures[i];
}

} // namespace art
