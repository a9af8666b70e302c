// Wall pieces: cavity-wall corners and T-pieces, single-brick walls and
// massive walls. A piece is described by the arms it sends to the edges of
// the symbol; the leaves of the wall are then found from each pixel's depth
// inside the wall, so corners, T-pieces and crossings join their leaves and
// cavities without drawing every junction by hand.

#include "Art.h"
#include "Raster.h"
#include "WallBand.h"

#include <algorithm>
#include <cstdlib>

namespace art {

namespace {

enum Arm { ArmLeft = 1, ArmRight = 2, ArmUp = 4, ArmDown = 8 };
enum class Fill { Cavity, Solid, Hatched };

bool inWall(int x, int y, int arms, WallBand band)
{
    const bool rows = y >= band.near && y <= band.far;
    const bool cols = x >= band.near && x <= band.far;
    return ((arms & ArmLeft) && rows && x <= band.far) || ((arms & ArmRight) && rows && x >= band.near) ||
           ((arms & ArmUp) && cols && y <= band.far) || ((arms & ArmDown) && cols && y >= band.near);
}

// How many pixels lie between (x, y) and the nearest pixel outside the wall,
// counting diagonal steps as one. Arms run on beyond the symbol's edge, so
// the edge itself never counts as a face of the wall.
int depth(int x, int y, int arms, WallBand band)
{
    const int thickness = band.far - band.near + 1;
    for (int r = 1; r <= thickness; ++r)
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (std::max(std::abs(dx), std::abs(dy)) == r && !inWall(x + dx, y + dy, arms, band))
                    return r - 1;
    return thickness;
}

void drawWall(QImage& image, int arms, WallBand band, Fill fill)
{
    for (int y = 0; y < SymbolSize; ++y) {
        for (int x = 0; x < SymbolSize; ++x) {
            if (!inWall(x, y, arms, band))
                continue;
            const int d = depth(x, y, arms, band);
            bool black = true;
            if (fill == Fill::Cavity)
                black = d != 3; // two 3-pixel leaves round a 1-pixel cavity
            else if (fill == Fill::Hatched)
                black = d == 0 || (x + y) % 3 == 0;
            if (black)
                plot(image, x, y);
        }
    }
}

QImage piece(int arms, WallBand band, Fill fill)
{
    QImage image = blank(SymbolSize, SymbolSize);
    drawWall(image, arms, band, fill);
    return image;
}

// An inner single-brick wall meeting a cavity wall: the cavity runs on
// unbroken and the inner wall stops against the inner leaf.
QImage innerWallJoint(int mainArms, int branch)
{
    QImage image = piece(mainArms, CentredWall, Fill::Cavity);
    const int lo = SingleBrickWall.near, hi = SingleBrickWall.far;
    const int beyond = CentredWall.far + 1, before = CentredWall.near - 1;
    switch (branch) {
    case ArmDown: fillBox(image, lo, beyond, hi, SymbolSize - 1); break;
    case ArmUp: fillBox(image, lo, 0, hi, before); break;
    case ArmRight: fillBox(image, beyond, lo, SymbolSize - 1, hi); break;
    default: fillBox(image, 0, lo, before, hi); break;
    }
    return image;
}

} // namespace

void drawWallPieces(Library& library)
{
    const int horizontal = ArmLeft | ArmRight, vertical = ArmUp | ArmDown;
    // Cavity-wall corners, named by the two arms they join.
    library[100] = piece(ArmRight | ArmDown, CentredWall, Fill::Cavity);
    library[101] = piece(ArmLeft | ArmDown, CentredWall, Fill::Cavity);
    library[102] = piece(ArmRight | ArmUp, CentredWall, Fill::Cavity);
    library[103] = piece(ArmLeft | ArmUp, CentredWall, Fill::Cavity);
    // Cavity-wall T-pieces: two cavity walls ...
    library[104] = piece(horizontal | ArmDown, CentredWall, Fill::Cavity);
    library[105] = piece(horizontal | ArmUp, CentredWall, Fill::Cavity);
    library[106] = piece(vertical | ArmRight, CentredWall, Fill::Cavity);
    library[107] = piece(vertical | ArmLeft, CentredWall, Fill::Cavity);
    // ... and an inner wall against a cavity wall.
    library[108] = innerWallJoint(horizontal, ArmDown);
    library[109] = innerWallJoint(horizontal, ArmUp);
    library[110] = innerWallJoint(vertical, ArmRight);
    library[111] = innerWallJoint(vertical, ArmLeft);
    // Single-brick walls.
    library[112] = piece(horizontal, SingleBrickWall, Fill::Solid);
    library[113] = piece(vertical, SingleBrickWall, Fill::Solid);
    library[114] = piece(ArmRight | ArmDown, SingleBrickWall, Fill::Solid);
    library[115] = piece(ArmLeft | ArmDown, SingleBrickWall, Fill::Solid);
    library[116] = piece(ArmRight | ArmUp, SingleBrickWall, Fill::Solid);
    library[117] = piece(ArmLeft | ArmUp, SingleBrickWall, Fill::Solid);
    library[118] = piece(horizontal | vertical, SingleBrickWall, Fill::Solid);
    library[119] = piece(horizontal | ArmDown, SingleBrickWall, Fill::Solid);
    // Massive walls, hatched like masonry in section.
    library[120] = piece(horizontal, CentredWall, Fill::Hatched);
    library[121] = piece(vertical, CentredWall, Fill::Hatched);
    library[122] = piece(ArmRight | ArmDown, CentredWall, Fill::Hatched);
    library[123] = piece(ArmLeft | ArmDown, CentredWall, Fill::Hatched);
    library[124] = piece(ArmRight | ArmUp, CentredWall, Fill::Hatched);
    library[125] = piece(ArmLeft | ArmUp, CentredWall, Fill::Hatched);
}

} // namespace art
