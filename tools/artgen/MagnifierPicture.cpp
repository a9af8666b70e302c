// The magnifier panel's picture while the magnifier is off: a magnifying
// glass lying on a plan, the piece of plan under the lens drawn larger.

#include "Art.h"
#include "Palette.h"
#include "Raster.h"


namespace art {

namespace {
using namespace colours;

constexpr int Side = 101;

// A fragment of a plan: a cavity wall corner with a door, at a given scale.
void planFragment(QImage& image, int ox, int oy, int scale, QRgb wall)
{
    auto block = [&](int x0, int y0, int x1, int y1) {
        fillBox(image, ox + x0 * scale, oy + y0 * scale, ox + (x1 + 1) * scale - 1, oy + (y1 + 1) * scale - 1,
                wall);
    };
    block(0, 0, 60, 2);  // outer leaf along the top
    block(0, 0, 2, 60);  // outer leaf down the side
    block(4, 4, 60, 6);  // inner leaf
    block(4, 4, 6, 60);
    block(30, 7, 31, 40); // an inner wall
    block(7, 40, 22, 41);
    // A door in the inner wall, swinging into the room.
    for (int t = 0; t < scale; ++t)
        circle(image, ox + 22 * scale, oy + 41 * scale, 10 * scale + t, wall, BottomRight);
    block(22, 41, 22, 51);
}

} // namespace

void drawMagnifierIdle(Library& library)
{
    QImage image = filled(Side, Side, PaperWhite);
    for (int i = 0; i < Side; i += 10) { // squared drawing paper
        hline(image, 0, Side - 1, i, Grid);
        vline(image, i, 0, Side - 1, Grid);
    }
    // The lens lies over the door of the plan and shows it three times as
    // large, on tinted glass.
    const int cx = 44, cy = 44, r = 27;
    const int doorX = 26, doorY = 45; // the point of the plan under the lens
    planFragment(image, cx - doorX, cy - doorY, 1, Outline);
    QImage lens = filled(Side, Side, shade(Sky, 1.6));
    for (int i = ((cx - 3 * cx) % 30 + 30) % 30; i < Side; i += 30) { // the paper's grid, enlarged
        hline(lens, 0, Side - 1, i, Grid);
        vline(lens, i, 0, Side - 1, Grid);
    }
    planFragment(lens, cx - 3 * doorX, cy - 3 * doorY, 3, Outline);
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                image.setPixel(x, y, lens.pixel(x, y));
    // A highlight on the glass, the rim and the handle.
    circle(image, cx, cy, r - 5, PaperWhite, TopLeft);
    circle(image, cx, cy, r, Steel);
    circle(image, cx, cy, r + 1, Outline);
    circle(image, cx, cy, r + 2, Steel);
    circle(image, cx, cy, r + 3, Outline);
    const QPointF from(cx + 21.5, cy + 21.5), to(97, 97);
    fillPolygon(image, alongAxis(from, to, 0, 7, 6, 6), Steel);
    fillPolygon(image, alongAxis(from, to, 7, 44, 10, 10), Brown);
    fillPolygon(image, alongAxis(from, to, 7, 44, 3, 3), shade(Brown, 1.5));
    library[99] = image;
}

} // namespace art
