#include "SmallDrawings.h"

#include "Palette.h"
#include "Raster.h"

#include <cmath>

namespace art {

using namespace colours;

QImage turnArrow(int width, int height)
{
    QImage image = blank(width, height);
    const double cx = width / 2.0, cy = height / 2.0 + 0.5;
    const double outer = std::min(width, height) / 2.0 - 1, inner = outer - 3;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double r = std::hypot(dx, dy);
            // Leave the top-right quarter open for the arrowhead.
            if (r >= inner && r <= outer && !(dx > 0 && dy < 0))
                plot(image, x, y, Blue);
        }
    }
    // The head at the top end of the arc, pointing right (clockwise).
    const double mid = cy - (inner + outer) / 2;
    fillPolygon(image, {{cx, mid - 4}, {cx + 4, mid}, {cx, mid + 4}}, Blue);
    addOutline(image, Outline);
    return image;
}

QImage mirrorPair(int width, int height)
{
    QImage image = blank(width, height);
    const int axis = width / 2;
    fillPolygon(image, {{axis - 1.5, 1.5}, {axis - 1.5, height - 1.5}, {1.5, height - 1.5}}, Blue);
    addOutline(image, Outline);
    // Its mirror image in outline only.
    const int right = width - 2, bottom = height - 2;
    line(image, axis + 1, 1, axis + 1, bottom, Outline);
    line(image, axis + 1, bottom, right, bottom, Outline);
    line(image, axis + 1, 1, right, bottom, Outline);
    dashedLine(image, axis, 0, axis, height - 1, 2, 1, Red);
    return image;
}

QImage leftArrow(int side)
{
    QImage image = blank(side, side);
    const double m = side / 2.0;
    fillPolygon(image, {{2, m}, {m, 2}, {m, m - 2.5}, {side - 2.0, m - 2.5}, {side - 2.0, m + 2.5}, {m, m + 2.5},
                        {m, side - 2.0}},
                Blue);
    addOutline(image, Outline);
    return image;
}

} // namespace art
