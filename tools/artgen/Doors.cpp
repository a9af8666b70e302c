// Doors in a wall: the frame posts on both sides of the opening, the door
// leaf standing open at a right angle and the arc its edge sweeps. One door
// is drawn in a horizontal wall with the room above it; the mirror images
// and the turn into a vertical wall give the other hinges and directions.

#include "Art.h"
#include "Raster.h"
#include "WallBand.h"

namespace art {

namespace {

constexpr int Top = OpeningWall.near, Bottom = OpeningWall.far;
// The clear opening between the frame posts.
constexpr int OpenLeft = OpeningLeft + 3, OpenRight = OpeningRight - 3;

// Frame posts as small boxes where the cleared wall ends, so the wall closes
// against them whatever its thickness.
void framePosts(QImage& image)
{
    box(image, OpeningLeft, Top, OpenLeft - 1, Bottom);
    box(image, OpenRight + 1, Top, OpeningRight, Bottom);
}

// A leaf hinged on the pivot (px, Top) standing open upwards, `length`
// pixels long and 2 pixels thick on the side facing the opening's middle,
// with the quarter arc from its tip down to the wall.
void leaf(QImage& image, int px, int length, bool hingeLeft)
{
    const int thick = hingeLeft ? px + 1 : px - 1;
    fillBox(image, px, Top - length, thick, Top);
    circle(image, px, Top, length, Ink, hingeLeft ? TopRight : TopLeft);
}

QImage singleDoor()
{
    QImage image = blank(SymbolSize, SymbolSize);
    framePosts(image);
    leaf(image, OpenLeft, OpenRight - OpenLeft + 1, true);
    return image;
}

QImage doubleDoor()
{
    QImage image = blank(SymbolSize, SymbolSize);
    framePosts(image);
    const int half = (OpenRight - OpenLeft + 1) / 2;
    leaf(image, OpenLeft, half, true);
    leaf(image, OpenRight, half, false);
    return image;
}

// Two panels in the wall that pass each other, with arrows for the slide.
QImage slidingDoor()
{
    QImage image = blank(SymbolSize, SymbolSize);
    framePosts(image);
    const int middle = (OpenLeft + OpenRight) / 2;
    box(image, OpenLeft, Top + 1, middle + 2, Top + 2);
    box(image, middle - 1, Bottom - 2, OpenRight, Bottom - 1);
    // Arrows above the wall, into the room, pointing each panel's way.
    const int row = Top - 4;
    hline(image, OpenLeft + 2, middle - 2, row);
    hline(image, middle + 3, OpenRight - 2, row);
    for (int i = 1; i <= 2; ++i) {
        vline(image, OpenLeft + 2 + i, row - i, row + i);
        vline(image, OpenRight - 2 - i, row - i, row + i);
    }
    return image;
}

} // namespace

void drawDoors(Library& library)
{
    const QImage door = singleDoor();
    // Horizontal wall: hinge left or right, opening upwards or downwards.
    library[40] = door;
    library[41] = flippedLeftRight(door);
    library[42] = flippedTopBottom(door);
    library[43] = flippedTopBottom(flippedLeftRight(door));
    library[44] = doubleDoor();
    // Vertical wall: hinge at the top or the bottom, opening to the left or right.
    library[45] = transposed(door);
    library[46] = flippedTopBottom(transposed(door));
    library[47] = flippedLeftRight(transposed(door));
    library[48] = flippedLeftRight(flippedTopBottom(transposed(door)));
    library[49] = slidingDoor();
}

} // namespace art
