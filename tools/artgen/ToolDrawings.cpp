#include "ToolDrawings.h"

#include "Art.h"
#include "Palette.h"
#include "Raster.h"

#include <cmath>

namespace art {

using namespace colours;

QImage pencilTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    // The stroke it has just drawn.
    for (int x = 2; x <= 20; ++x)
        plot(image, x, 28 + int(std::lround(1.6 * std::sin((x - 2) / 2.6))), Blue);
    const QPointF tip(3.5, 27.5), end(29, 2);
    fillPolygon(image, alongAxis(tip, end, 0, 9, 0, 7), Wood);
    fillPolygon(image, alongAxis(tip, end, 0, 3.5, 0, 2.8), Outline);
    fillPolygon(image, alongAxis(tip, end, 9, 27, 7, 7), Pencil);
    fillPolygon(image, alongAxis(tip, end, 9, 27, 2.4, 2.4), shade(Pencil, 0.8));
    fillPolygon(image, alongAxis(tip, end, 27, 30, 7, 7), Metal);
    fillPolygon(image, alongAxis(tip, end, 30, 35, 7, 7), Rubber);
    addOutline(image, Outline);
    return image;
}

QImage lineTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    band(image, {6, 26}, {26, 6}, 2.2, Outline);
    fillBox(image, 3, 24, 7, 28, Red);
    fillBox(image, 24, 3, 28, 7, Red);
    return image;
}

QImage rectangleTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, 4, 7, 27, 24, Sky);
    box(image, 3, 6, 28, 25, Blue);
    box(image, 4, 7, 27, 24, Blue);
    return image;
}

QImage eraserTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, 2, 12, 29, Stone); // the wiped trail
    hline(image, 4, 9, 27, Stone);
    const QPointF from(6, 25), to(28, 3);
    fillPolygon(image, alongAxis(from, to, 0, 11, 12, 12), Rubber);
    fillPolygon(image, alongAxis(from, to, 11, 28, 12, 12), Blue);
    fillPolygon(image, alongAxis(from, to, 11, 28, 4, 4), shade(Blue, 1.6));
    addOutline(image, Outline);
    return image;
}

QImage sprayTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillEllipse(image, 4, 8, 15, 15, Metal);
    fillBox(image, 4, 12, 15, 29, Red);
    fillBox(image, 6, 13, 7, 28, shade(Red, 1.7));
    fillBox(image, 8, 4, 11, 7, Steel);
    addOutline(image, Outline);
    const QPoint dots[] = {{16, 5}, {18, 3}, {18, 7}, {20, 5}, {21, 1}, {21, 9}, {23, 3}, {23, 7}, {24, 5},
                           {25, 11}, {26, 0}, {26, 8}, {27, 3}, {28, 6}, {29, 1}, {29, 10}, {30, 4}};
    for (const QPoint& p : dots)
        plot(image, p.x(), p.y(), Blue);
    return image;
}

QImage fillTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    circle(image, 15, 12, 8, Outline, TopLeft | TopRight); // handle
    fillPolygon(image, {{7, 12}, {25, 12}, {23, 28}, {9, 28}}, Metal);
    fillPolygon(image, {{19, 12}, {25, 12}, {23, 28}, {19, 28}}, Steel);
    fillEllipse(image, 7, 10, 24, 14, Blue);
    fillBox(image, 9, 14, 10, 21, Blue); // paint running down the side
    fillEllipse(image, 8, 20, 11, 23, Blue);
    addOutline(image, Outline);
    fillEllipse(image, 10, 11, 21, 12, shade(Blue, 1.8));
    return image;
}

// A flight of steps seen from the side, each tread lit on top.
QImage stairTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillPolygon(image, {{3, 29}, {3, 24}, {8, 24}, {8, 19}, {13, 19}, {13, 14}, {18, 14}, {18, 9}, {23, 9}, {23, 4},
                        {29, 4}, {29, 29}},
                Wood);
    for (int step = 0; step < 5; ++step) {
        const int x = 3 + 5 * step, y = 24 - 5 * step;
        hline(image, x, step == 4 ? 28 : x + 4, y, shade(Wood, 1.5));
        vline(image, x, y, 28, shade(Wood, 0.8));
    }
    addOutline(image, Brown);
    return image;
}

QImage windowTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, 5, 3, 26, 26, Brown);
    fillBox(image, 7, 5, 14, 14, Sky);
    fillBox(image, 17, 5, 24, 14, Sky);
    fillBox(image, 7, 17, 14, 24, Sky);
    fillBox(image, 17, 17, 24, 24, Sky);
    for (int i = 0; i < 4; ++i) { // a glint on each pane
        const int x = i % 2 ? 18 : 8, y = i / 2 ? 18 : 6;
        line(image, x + 3, y, x, y + 3, PaperWhite);
    }
    fillBox(image, 3, 27, 28, 29, Stone);
    addOutline(image, Outline);
    return image;
}

QImage doorTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, 8, 2, 23, 29, Brown);
    box(image, 11, 5, 20, 14, shade(Brown, 0.7));
    box(image, 11, 17, 20, 26, shade(Brown, 0.7));
    fillEllipse(image, 19, 15, 21, 17, Insulation);
    addOutline(image, Outline);
    hline(image, 2, 29, 30, Outline);
    return image;
}

QImage bathTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, 4, 4, 6, 13, Steel); // tap
    fillBox(image, 4, 4, 10, 6, Steel);
    fillRoundBox(image, 2, 13, 29, 25, 4, PaperWhite);
    fillBox(image, 2, 13, 29, 15, Sky);
    fillBox(image, 6, 26, 8, 28, Steel); // feet
    fillBox(image, 23, 26, 25, 28, Steel);
    addOutline(image, Outline);
    circle(image, 16, 8, 2, Sky);
    circle(image, 22, 5, 1, Sky);
    circle(image, 25, 9, 2, Sky);
    return image;
}

QImage sofaTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillRoundBox(image, 5, 7, 26, 18, 2, Orange);
    fillBox(image, 7, 18, 24, 23, shade(Orange, 1.5));
    vline(image, 15, 18, 23, shade(Orange, 0.8));
    fillRoundBox(image, 1, 13, 6, 25, 1, shade(Orange, 0.8));
    fillRoundBox(image, 25, 13, 30, 25, 1, shade(Orange, 0.8));
    fillBox(image, 3, 26, 4, 28, Brown);
    fillBox(image, 27, 26, 28, 28, Brown);
    addOutline(image, Outline);
    return image;
}

} // namespace art
