#pragma once

// Small drawings shared by the buttons of the icon panel and of the icon
// editor, which offer the same turn and mirror operations.

#include <QImage>

namespace art {

// A clockwise arrow curling three quarters round the middle of the picture.
QImage turnArrow(int width, int height);
// Two triangles mirrored about a dashed axis: the left one filled.
QImage mirrorPair(int width, int height);
// A broad arrow pointing left in a square picture; turned for the others.
QImage leftArrow(int side);

} // namespace art
