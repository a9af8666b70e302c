// A small plan put together the way the program does it, to check that the
// symbols fit the walls a user draws: outer walls from the rectangle tool's
// double line, an inner wall from a 3-pixel line, then doors and windows
// placed with the wall under them cleared first and the symbol ANDed on.

#include "Art.h"
#include "Raster.h"

namespace art {

namespace {

// Placing symbol `index` with the pointer at (x, y).
void place(QImage& plan, const QImage& symbol, int x, int y, bool clearsWall)
{
    if (clearsWall)
        fillBox(plan, x - 34, y - 34, x - 7, y - 7, Paper);
    for (int sy = 0; sy < symbol.height(); ++sy) {
        for (int sx = 0; sx < symbol.width(); ++sx) {
            const QRgb s = symbol.pixel(sx, sy);
            const int px = x - 36 + sx, py = y - 36 + sy;
            if (qAlpha(s) >= 128 && px >= 0 && py >= 0 && px < plan.width() && py < plan.height())
                plan.setPixel(px, py, 0xFF000000u | (plan.pixel(px, py) & s));
        }
    }
}

// The rectangle tool's double line: two 3-pixel boxes 4 pixels apart.
void doubleBox(QImage& plan, int x0, int y0, int x1, int y1)
{
    for (int inset : {0, 4})
        for (int t = -1; t <= 1; ++t)
            box(plan, x0 + inset + t, y0 + inset + t, x1 - inset - t, y1 - inset - t);
}

} // namespace

QImage demoPlan(const Library& library)
{
    QImage plan = filled(350, 300, Paper);
    doubleBox(plan, 20, 20, 329, 239);       // walls on rows 19..25 and 234..240
    fillBox(plan, 169, 26, 171, 233);        // an inner wall, columns 169..171
    // Symbol row or column 23 (or 2 for the mirrored doors) on the wall's first row.
    place(plan, library.at(50), 36 + 60, 36 - 4, true);
    place(plan, library.at(51), 36 + 200, 36 - 4, true);
    place(plan, library.at(42), 36 + 100, 36 + 17, true);
    place(plan, library.at(40), 36 + 40, 36 + 211, true);
    place(plan, library.at(44), 36 + 250, 36 + 211, true);
    place(plan, library.at(45), 36 + 144, 36 + 150, true);
    place(plan, library.at(47), 36 + 167, 36 + 60, true);
    place(plan, library.at(54), 36 + 301, 36 + 100, true);
    place(plan, library.at(15), 36 + 180, 36 + 26, false);
    place(plan, library.at(17), 36 + 260, 36 + 26, false);
    // Cavity-wall corners on a 32-pixel grid close into a ring.
    place(plan, library.at(100), 36 + 20, 36 + 250, false);
    place(plan, library.at(101), 36 + 52, 36 + 250, false);
    place(plan, library.at(102), 36 + 20, 36 + 282, false);
    place(plan, library.at(103), 36 + 52, 36 + 282, false);
    return plan.scaled(plan.width() * 2, plan.height() * 2);
}

} // namespace art
