// Pictures that only the library overview shows: a north arrow, a tree, a
// house plant and a car, things a plan of a house and garden often wants.

#include "Art.h"
#include "PixelFont.h"
#include "Raster.h"

#include <cmath>
#include <numbers>

namespace art {

namespace {

// A north arrow: a notched arrowhead in a ring, with the N above it.
QImage northArrow()
{
    QImage image = blank(SymbolSize, SymbolSize);
    ellipse(image, 5, 9, 26, 30);
    fillPolygon(image, {{16, 9}, {22.5, 28}, {16, 23}, {9.5, 28}});
    drawText(image, 13, 0, QStringLiteral("N"), Ink);
    return image;
}

// A tree from above: a crown with a wavy edge, branches and the trunk.
QImage tree()
{
    QImage crown = blank(SymbolSize, SymbolSize);
    for (int y = 0; y < SymbolSize; ++y) {
        for (int x = 0; x < SymbolSize; ++x) {
            const double dx = x - 15.5, dy = y - 15.5;
            const double reach = 13 + 1.4 * std::sin(9 * std::atan2(dy, dx));
            if (std::hypot(dx, dy) <= reach)
                plot(crown, x, y);
        }
    }
    QImage image = rimOnly(crown);
    for (int i = 0; i < 7; ++i) {
        const double a = (i + 0.5) * 2 * std::numbers::pi / 7;
        line(image, 15 + int(std::lround(2 * std::cos(a))), 15 + int(std::lround(2 * std::sin(a))),
             15 + int(std::lround(8 * std::cos(a))), 15 + int(std::lround(8 * std::sin(a))));
    }
    fillEllipse(image, 14, 14, 17, 17);
    return image;
}

// A house plant in a round pot, its leaves reaching out over the rim.
QImage plant()
{
    QImage leaves = blank(SymbolSize, SymbolSize);
    QImage veins = blank(SymbolSize, SymbolSize);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5 - std::numbers::pi / 2;
        const double c = std::cos(a), s = std::sin(a);
        const QPointF base(16 + 3 * c, 16 + 3 * s), tip(16 + 15 * c, 16 + 15 * s);
        const QPointF side(-s * 4.5, c * 4.5), middle = (base + tip) / 2;
        fillPolygon(leaves, {base, middle + side, tip, middle - side});
        line(veins, int(base.x()), int(base.y()), int(tip.x()), int(tip.y()));
    }
    QImage image = rimOnly(leaves);
    overlay(image, veins, 0, 0);
    fillEllipse(image, 11, 11, 20, 20, Clear);
    circle(image, 15, 15, 5);
    circle(image, 15, 15, 3);
    return image;
}

// A car from above, nose to the right.
QImage car()
{
    QImage image = blank(SymbolSize, SymbolSize);
    roundBox(image, 0, 8, 31, 23, 4);
    roundBox(image, 8, 10, 22, 21, 2);          // roof
    line(image, 8, 10, 5, 9);                  // windscreen pillars
    line(image, 8, 21, 5, 22);
    line(image, 22, 10, 25, 9);
    line(image, 22, 21, 25, 22);
    fillBox(image, 5, 6, 9, 7);                // wheels showing at the sides
    fillBox(image, 22, 6, 26, 7);
    fillBox(image, 5, 24, 9, 25);
    fillBox(image, 22, 24, 26, 25);
    return image;
}

} // namespace

void drawExtras(Library& library)
{
    library[12] = northArrow();
    library[13] = tree();
    library[14] = plant();
    library[90] = car();
}

} // namespace art
