// Stairs seen from above: the outline of the flight with a line for every
// tread. The versions with an arrow carry the walking line that plans use to
// show the way up: a small ring where it starts, an arrowhead at the top.
// Treads are cleared round the ring and the head so both stay readable.

#include "Art.h"
#include "Raster.h"

#include <cmath>
#include <numbers>

namespace art {

namespace {

enum class Heading { Up, Right, Down };

// A filled head 4 pixels deep with its tip on (x, y).
void arrowHead(QImage& image, int x, int y, Heading heading)
{
    for (int i = 0; i <= 4; ++i) {
        switch (heading) {
        case Heading::Up: hline(image, x - i, x + i, y + i, Clear); break;
        case Heading::Down: hline(image, x - i, x + i, y - i, Clear); break;
        case Heading::Right: vline(image, x - i, y - i, y + i, Clear); break;
        }
    }
    for (int i = 0; i <= 3; ++i) {
        switch (heading) {
        case Heading::Up: hline(image, x - i, x + i, y + i); break;
        case Heading::Down: hline(image, x - i, x + i, y - i); break;
        case Heading::Right: vline(image, x - i, y - i, y + i); break;
        }
    }
}

void startRing(QImage& image, int x, int y)
{
    fillEllipse(image, x - 3, y - 3, x + 3, y + 3, Clear);
    circle(image, x, y, 2);
}

// A straight flight going up the page, nine treads.
QImage straightFlight(bool walkingLine)
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 8, 1, 23, 30);
    for (int y = 4; y < 30; y += 3)
        hline(image, 8, 23, y);
    if (walkingLine) {
        vline(image, 15, 4, 25);
        startRing(image, 15, 26);
        arrowHead(image, 15, 3, Heading::Up);
    }
    return image;
}

// Up the left side, a square landing in the corner, then on to the right.
QImage quarterTurn(bool walkingLine)
{
    QImage image = blank(SymbolSize, SymbolSize);
    hline(image, 1, 30, 1);
    vline(image, 1, 1, 30);
    hline(image, 1, 12, 30);
    vline(image, 30, 1, 12);
    vline(image, 12, 12, 30);
    hline(image, 12, 30, 12);
    for (int y = 12; y <= 27; y += 3)
        hline(image, 1, 12, y);
    for (int x = 12; x <= 27; x += 3)
        vline(image, x, 1, 12);
    if (walkingLine) {
        vline(image, 6, 6, 25);
        hline(image, 6, 26, 6);
        startRing(image, 6, 26);
        arrowHead(image, 28, 6, Heading::Right);
    }
    return image;
}

// A half-turn stair: up the left flight, round the landing along the top
// and up again on the right, with the well between the flights.
QImage halfTurn(bool walkingLine)
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, 1, 1, 30, 30);
    box(image, 14, 11, 17, 30); // the well
    for (int y = 11; y <= 28; y += 3) {
        hline(image, 1, 14, y);
        hline(image, 17, 30, y);
    }
    if (walkingLine) {
        vline(image, 7, 9, 25);
        circle(image, 15, 9, 8, Ink, TopLeft | TopRight);
        vline(image, 23, 9, 24);
        startRing(image, 7, 26);
        arrowHead(image, 23, 27, Heading::Down);
    }
    return image;
}

// A spiral stair: a round well with a newel in the middle and wedge treads.
QImage spiral(bool walkingLine)
{
    QImage image = blank(SymbolSize, SymbolSize);
    circle(image, 15, 15, 14);
    circle(image, 15, 15, 3);
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        line(image, int(std::lround(15 + 4 * std::cos(a))), int(std::lround(15 + 4 * std::sin(a))),
             int(std::lround(15 + 13 * std::cos(a))), int(std::lround(15 + 13 * std::sin(a))));
    }
    if (walkingLine) {
        // From the right, anticlockwise over the top and down the left, out
        // along the bottom.
        circle(image, 15, 15, 9, Ink, TopRight | TopLeft | BottomLeft);
        startRing(image, 24, 15);
        arrowHead(image, 18, 24, Heading::Right);
    }
    return image;
}

} // namespace

void drawStairs(Library& library)
{
    for (int arrow = 0; arrow <= 1; ++arrow) {
        const int base = 130 + 5 * arrow;
        const QImage straight = straightFlight(arrow);
        library[base] = straight;
        library[base + 1] = flippedLeftRight(transposed(straight));
        library[base + 2] = quarterTurn(arrow);
        library[base + 3] = halfTurn(arrow);
        library[base + 4] = spiral(arrow);
    }
}

} // namespace art
