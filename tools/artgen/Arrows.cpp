// Direction arrows: broad filled arrows that read well at 32 pixels, in the
// eight compass directions, a two-way arrow and a turning arrow. One straight
// and one slanting arrow are drawn; the others are their mirror images, so
// all eight are the same arrow to the pixel.

#include "Art.h"
#include "Raster.h"

#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr double Centre = SymbolSize / 2.0;

// An arrow pointing up, head 11 pixels deep, shaft 4 pixels wide; the
// slanting one is turned an eighth clockwise and a little shorter, so that
// its corners stay inside the symbol.
QImage arrow(bool slanting)
{
    const double reach = slanting ? 12.5 : 13.5;
    const double tip = Centre - reach, base = tip + 11, tail = Centre + reach;
    const std::vector<QPointF> up = {{16, tip}, {27, base}, {18, base}, {18, tail}, {14, tail}, {14, base}, {5, base}};
    const double angle = slanting ? std::numbers::pi / 4 : 0;
    const double c = std::cos(angle), s = std::sin(angle);
    std::vector<QPointF> outline;
    for (const QPointF& p : up) {
        const double x = p.x() - Centre, y = p.y() - Centre;
        outline.emplace_back(Centre + x * c - y * s, Centre + x * s + y * c);
    }
    QImage image = blank(SymbolSize, SymbolSize);
    fillPolygon(image, outline);
    return image;
}

QImage twoWayArrow()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillPolygon(image, {{2, 16}, {12, 6}, {12, 14}, {20, 14}, {20, 6}, {30, 16}, {20, 26}, {20, 18}, {12, 18},
                        {12, 26}});
    return image;
}

// A quarter turn to the right: a thick arc from the bottom left curling over
// to point right along the top, the way a stair or a walking route turns.
QImage turningArrow()
{
    QImage image = blank(SymbolSize, SymbolSize);
    const double cx = 22, cy = 26, inner = 10, outer = 14;
    for (int y = 0; y < SymbolSize; ++y) {
        for (int x = 0; x < SymbolSize; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double r = std::hypot(dx, dy);
            if (dx <= 0 && dy <= 0 && r >= inner && r <= outer)
                plot(image, x, y);
        }
    }
    fillPolygon(image, {{22, 5}, {31, 14}, {22, 23}});
    fillBox(image, 8, 26, 11, 30);
    return image;
}

} // namespace

void drawArrows(Library& library)
{
    const QImage up = arrow(false), upRight = arrow(true);
    library[80] = up;
    library[81] = flippedLeftRight(transposed(up)); // right
    library[82] = flippedTopBottom(up);
    library[83] = transposed(up);                   // left
    library[84] = twoWayArrow();
    library[85] = upRight;
    library[86] = flippedTopBottom(upRight);
    library[87] = flippedLeftRight(flippedTopBottom(upRight));
    library[88] = flippedLeftRight(upRight);
    library[89] = turningArrow();
}

} // namespace art
