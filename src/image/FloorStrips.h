#pragma once

#include <QImage>

#include <array>

// A saved drawing is one picture holding one, two or three floors side by
// side, ground floor at the left; loading cuts it back by its width.

// The picture of the first `count` floors (1..3), each in a strip
// `stripWidth` pixels wide and as high as a canvas; a floor of another size is
// stretched into its strip. Any other count gives a null image.
QImage composeFloors(const std::array<QImage, 3>& floors, int count, int stripWidth);

// How many strips of `stripWidth` pixels a picture `pictureWidth` wide holds:
// 1, 2 or 3 when it is exactly that many, otherwise 0.
int floorCountForWidth(int pictureWidth, int stripWidth);

// The canvas width that would make a picture `pictureWidth` pixels wide load:
// the width itself, halved above 470, a third above 1050, rounded to the
// nearest whole number with halves to the even neighbour.
int suggestedCanvasWidth(int pictureWidth);

// Strip `k` (1..3) of `picture` as a white canvas `stripWidth` by the canvas
// height with the strip's pixels copied unscaled; what lies beyond the
// picture stays white.
QImage cutStrip(const QImage& picture, int k, int stripWidth);
