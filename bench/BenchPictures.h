#pragma once

// Pictures the measurements draw on, the same on every run.

#include <QImage>

// An empty canvas: white all over, as a new floor starts.
QImage whitePicture(int width, int height);

// A maze of one-pixel black walls and three-pixel white corridors, every
// corridor reachable from every other: the hardest picture for a fill, which
// must turn at every cell. Pixel (2, 2) lies in a corridor.
QImage mazePicture(int width, int height);

// Floor `floor` (1..3) of a small house: outer walls, rooms, a coloured line.
QImage housePicture(int floor, int width, int height);
