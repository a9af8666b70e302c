// The larger pictures: the start window's house, the configuration dialog's
// drawing board and the program's own icon.

#include "Art.h"
#include "Palette.h"
#include "Raster.h"

namespace art {

namespace {
using namespace colours;

// A house seen from the front: brick walls, a red roof, a door and windows.
void house(QImage& image, int x, int y, int w, int h)
{
    const int eaves = y + h * 2 / 5;
    fillPolygon(image, {{x - 3.0, double(eaves)}, {x + w / 2.0, double(y)}, {x + w + 3.0, double(eaves)}}, Red);
    fillBox(image, x + w * 3 / 4 - 3, y + h / 8, x + w * 3 / 4 + 2, eaves - h / 8, shade(Red, 0.7)); // chimney
    fillBox(image, x, eaves, x + w - 1, y + h - 1, Cream);
    const int doorW = w / 5, doorX = x + w / 2 - doorW / 2;
    fillBox(image, doorX, y + h - h / 3, doorX + doorW - 1, y + h - 1, Brown);
    const int winW = w / 5, winY = eaves + (y + h - eaves) / 4;
    for (int wx : {x + w / 10, x + w - w / 10 - winW}) {
        fillBox(image, wx, winY, wx + winW - 1, winY + winW - 1, Sky);
        vline(image, wx + winW / 2, winY, winY + winW - 1, PaperWhite);
        hline(image, wx, wx + winW - 1, winY + winW / 2, PaperWhite);
    }
    addOutline(image, Outline);
}

// Drawing paper with a light grid.
QImage gridPaper(int side)
{
    QImage image = filled(side, side, PaperWhite);
    for (int i = 0; i < side; i += 8) {
        hline(image, 0, side - 1, i, Grid);
        vline(image, i, 0, side - 1, Grid);
    }
    return image;
}

QImage welcome(const Library& library)
{
    QImage image = gridPaper(100);
    // The plan: two rooms with a sofa and a bed, a window and a door, the
    // openings placed as the program places them: wall cleared, then drawn.
    fillBox(image, 6, 6, 93, 8, Outline);
    fillBox(image, 6, 6, 8, 70, Outline);
    fillBox(image, 91, 6, 93, 70, Outline);
    fillBox(image, 6, 68, 93, 70, Outline);
    fillBox(image, 48, 8, 50, 68, Outline);
    auto opening = [&](int index, int x, int y) {
        fillBox(image, x + 2, y + 2, x + 29, y + 29, PaperWhite);
        overlay(image, library.at(index), x, y);
    };
    opening(50, 14, -17);
    opening(45, 49 - 26, 36);
    overlay(image, library.at(62), 12, 8);
    overlay(image, library.at(61), 56, 12);
    house(image, 40, 52, 52, 44);
    box(image, 0, 0, 99, 99, Outline);
    return image;
}

// A drawing board: grid paper, a set square and a pencil.
QImage config(const Library& library)
{
    QImage image = gridPaper(97);
    overlay(image, library.at(100), 4, 4);
    overlay(image, library.at(104), 36, 4);
    overlay(image, library.at(102), 4, 36);
    fillPolygon(image, {{40, 88}, {92, 88}, {92, 36}}, shade(Sky, 1.3));
    fillPolygon(image, {{58, 82}, {86, 82}, {86, 54}}, PaperWhite);
    for (int x = 44; x <= 90; x += 4)
        vline(image, x, 85, 87, Outline);
    const QPointF tip(14, 90), end(70, 34);
    fillPolygon(image, alongAxis(tip, end, 0, 8, 0, 8), Wood);
    fillPolygon(image, alongAxis(tip, end, 0, 3, 0, 3), Outline);
    fillPolygon(image, alongAxis(tip, end, 8, 66, 8, 8), Pencil);
    fillPolygon(image, alongAxis(tip, end, 8, 66, 3, 3), shade(Pencil, 0.8));
    fillPolygon(image, alongAxis(tip, end, 66, 71, 8, 8), Metal);
    fillPolygon(image, alongAxis(tip, end, 71, 78, 8, 8), Rubber);
    addOutline(image, Outline);
    box(image, 0, 0, 96, 96, Outline);
    return image;
}

// The program's icon: a sheet with a house plan and a pencil across it.
QImage applicationIcon()
{
    QImage image = blank(64, 64);
    fillRoundBox(image, 3, 3, 56, 60, 4, PaperWhite);
    roundBox(image, 3, 3, 56, 60, 4, Outline);
    for (int i = 9; i < 56; i += 8)
        vline(image, i, 4, 59, Grid);
    for (int i = 9; i < 60; i += 8)
        hline(image, 4, 55, i, Grid);
    fillBox(image, 9, 10, 50, 13, Outline);
    fillBox(image, 9, 10, 12, 53, Outline);
    fillBox(image, 47, 10, 50, 53, Outline);
    fillBox(image, 9, 50, 30, 53, Outline);
    fillBox(image, 40, 50, 50, 53, Outline);
    fillBox(image, 28, 13, 30, 32, Outline);
    circle(image, 40, 49, 9, Outline, TopLeft);
    vline(image, 40, 40, 49, Outline);
    const QPointF tip(30, 48), end(62, 14);
    QImage pencil = blank(64, 64);
    fillPolygon(pencil, alongAxis(tip, end, 0, 8, 0, 9), Wood);
    fillPolygon(pencil, alongAxis(tip, end, 0, 3, 0, 3.5), Outline);
    fillPolygon(pencil, alongAxis(tip, end, 8, 38, 9, 9), Pencil);
    fillPolygon(pencil, alongAxis(tip, end, 8, 38, 3, 3), shade(Pencil, 0.8));
    fillPolygon(pencil, alongAxis(tip, end, 38, 42, 9, 9), Metal);
    fillPolygon(pencil, alongAxis(tip, end, 42, 47, 9, 9), Rubber);
    addOutline(pencil, Outline);
    overlay(image, pencil, 0, 0);
    return image;
}

} // namespace

void drawPictures(const Library& library, Pictures& pictures)
{
    pictures[QStringLiteral("welcome")] = welcome(library);
    pictures[QStringLiteral("config")] = config(library);
    pictures[QStringLiteral("rimbano")] = applicationIcon();
}

} // namespace art
