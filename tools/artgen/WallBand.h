#pragma once

// Where a wall runs through a 32 x 32 symbol. Every symbol that meets a wall
// uses these rows for a horizontal wall and the same numbers as columns for a
// vertical wall.
//
// A wall is 7 pixels thick, like the double line of the rectangle tool: two
// 3-pixel leaves with a 1-pixel cavity. Wall pieces are centred, rows 12..18,
// so that every corner and T-piece looks the same turned, and pieces put side
// by side on a 32-pixel grid continue each other's walls.
// A door needs 22 pixels of room to swing, which a centred wall does not
// leave, so doors and windows put their wall against the edge away from the
// room: rows 23..29 when the room lies above (the door opens upwards), rows
// 2..8 when it lies below. Both lie inside the 28 x 28 square that placing a
// door or window clears, and all openings of one wall need the same aim.

namespace art {

struct WallBand {
    int near; // first row (or column) of the wall
    int far;  // last row (or column)
};

inline constexpr WallBand CentredWall{12, 18};
inline constexpr WallBand SingleBrickWall{14, 16}; // one 3-pixel leaf, centred
inline constexpr WallBand OpeningWall{23, 29};     // room above: a door swings up into rows 0..22

// The columns an opening's frame stands on: placing a door or window clears
// columns 2..29, so the frames close the wall exactly where the clearing ends.
inline constexpr int OpeningLeft = 2;
inline constexpr int OpeningRight = 29;

} // namespace art
