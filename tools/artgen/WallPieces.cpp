// Wall pieces: cavity-wall corners and T-pieces, single-brick walls and
// massive walls. A piece is described by the arms it sends to the edges of
// the symbol; the leaves of the wall are then found from each pixel's depth
// inside the wall, so corners, T-pieces and crossings join their leaves and
// cavities without drawing every junction by hand.

#include "Art.h"
#include "Raster.h"
#include "WallPieces.h"

#include <algorithm>
#include <cstdlib>

namespace art {

namespace {

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

void drawWall(QImage& image, int arms, WallBand band, WallFill fill)
{
    for (int y = 0; y < SymbolSize; ++y) {
        for (int x = 0; x < SymbolSize; ++x) {
            if (!inWall(x, y, arms, band))
                continue;
            const int d = depth(x, y, arms, band);
            bool black = true;
            if (fill == WallFill::Cavity)
                black = d != 3; // two 3-pixel leaves round a 1-pixel cavity
            else if (fill == WallFill::Hatched)
                black = d == 0 || (x + y) % 3 == 0;
            if (black)
                plot(image, x, y);
        }
    }
}

} // namespace

QImage wallPiece(int arms, WallBand band, WallFill fill)
{
    QImage image = blank(SymbolSize, SymbolSize);
    drawWall(image, arms, band, fill);
    return image;
}

namespace {

// An inner single-brick wall meeting a cavity wall: the cavity runs on
// unbroken and the inner wall stops against the inner leaf.
QImage innerWallJoint(int mainArms, int branch)
{
    QImage image = wallPiece(mainArms, CentredWall, WallFill::Cavity);
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
    library[100] = wallPiece(ArmRight | ArmDown, CentredWall, WallFill::Cavity);
    library[101] = wallPiece(ArmLeft | ArmDown, CentredWall, WallFill::Cavity);
    library[102] = wallPiece(ArmRight | ArmUp, CentredWall, WallFill::Cavity);
    library[103] = wallPiece(ArmLeft | ArmUp, CentredWall, WallFill::Cavity);
    // Cavity-wall T-pieces: two cavity walls ...
    library[104] = wallPiece(horizontal | ArmDown, CentredWall, WallFill::Cavity);
    library[105] = wallPiece(horizontal | ArmUp, CentredWall, WallFill::Cavity);
    library[106] = wallPiece(vertical | ArmRight, CentredWall, WallFill::Cavity);
    library[107] = wallPiece(vertical | ArmLeft, CentredWall, WallFill::Cavity);
    // ... and an inner wall against a cavity wall.
    library[108] = innerWallJoint(horizontal, ArmDown);
    library[109] = innerWallJoint(horizontal, ArmUp);
    library[110] = innerWallJoint(vertical, ArmRight);
    library[111] = innerWallJoint(vertical, ArmLeft);
    // Single-brick walls.
    library[112] = wallPiece(horizontal, SingleBrickWall, WallFill::Solid);
    library[113] = wallPiece(vertical, SingleBrickWall, WallFill::Solid);
    library[114] = wallPiece(ArmRight | ArmDown, SingleBrickWall, WallFill::Solid);
    library[115] = wallPiece(ArmLeft | ArmDown, SingleBrickWall, WallFill::Solid);
    library[116] = wallPiece(ArmRight | ArmUp, SingleBrickWall, WallFill::Solid);
    library[117] = wallPiece(ArmLeft | ArmUp, SingleBrickWall, WallFill::Solid);
    library[118] = wallPiece(horizontal | vertical, SingleBrickWall, WallFill::Solid);
    library[119] = wallPiece(horizontal | ArmDown, SingleBrickWall, WallFill::Solid);
    // Massive walls, hatched like masonry in section.
    library[120] = wallPiece(horizontal, CentredWall, WallFill::Hatched);
    library[121] = wallPiece(vertical, CentredWall, WallFill::Hatched);
    library[122] = wallPiece(ArmRight | ArmDown, CentredWall, WallFill::Hatched);
    library[123] = wallPiece(ArmLeft | ArmDown, CentredWall, WallFill::Hatched);
    library[124] = wallPiece(ArmRight | ArmUp, CentredWall, WallFill::Hatched);
    library[125] = wallPiece(ArmLeft | ArmUp, CentredWall, WallFill::Hatched);
}

} // namespace art
