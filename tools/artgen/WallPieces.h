#pragma once

// Drawing a wall piece from the arms it sends to the symbol's edges; the
// library uses the convention's wall positions, the tool buttons others.

#include "WallBand.h"

#include <QImage>

namespace art {

enum Arm { ArmLeft = 1, ArmRight = 2, ArmUp = 4, ArmDown = 8 };
enum class WallFill { Cavity, Solid, Hatched };

// A 32 x 32 piece whose wall occupies `band` across each arm.
QImage wallPiece(int arms, WallBand band, WallFill fill);

} // namespace art
