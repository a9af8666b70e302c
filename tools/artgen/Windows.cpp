// Windows in a wall: the frame fills the cleared opening as a long box with
// the glass as a line along its middle, so the wall looks closed but thin.
// Drawn in a horizontal wall; the vertical ones are the same turned.

#include "Art.h"
#include "Raster.h"
#include "WallBand.h"

namespace art {

namespace {

constexpr int Top = OpeningWall.near, Bottom = OpeningWall.far;
constexpr int Glass = (Top + Bottom) / 2;

QImage frame()
{
    QImage image = blank(SymbolSize, SymbolSize);
    box(image, OpeningLeft, Top, OpeningRight, Bottom);
    return image;
}

QImage singleWindow()
{
    QImage image = frame();
    hline(image, OpeningLeft + 1, OpeningRight - 1, Glass);
    return image;
}

// Two casements with a post between them.
QImage doubleWindow()
{
    QImage image = singleWindow();
    const int middle = (OpeningLeft + OpeningRight) / 2;
    vline(image, middle, Top, Bottom);
    vline(image, middle + 1, Top, Bottom);
    return image;
}

// Two panes on separate runners that overlap in the middle.
QImage slidingWindow()
{
    QImage image = frame();
    const int middle = (OpeningLeft + OpeningRight) / 2;
    hline(image, OpeningLeft + 1, middle + 3, Glass - 1);
    hline(image, middle - 2, OpeningRight - 1, Glass + 1);
    return image;
}

// A window with its sill on the room side, a little wider than the opening.
QImage windowWithSill()
{
    QImage image = singleWindow();
    box(image, OpeningLeft - 1, Top - 3, OpeningRight + 1, Top - 1);
    return image;
}

} // namespace

void drawWindows(Library& library)
{
    const QImage windows[] = {singleWindow(), doubleWindow(), slidingWindow(), windowWithSill()};
    for (int i = 0; i < 4; ++i) {
        library[50 + i] = windows[i];
        library[54 + i] = transposed(windows[i]);
    }
}

} // namespace art
