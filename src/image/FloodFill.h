#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// True for the pixels a fill stops at: black, allowing for the one or two
// steps of rounding a drawing picks up when it is saved as JPG and read back
// (each of red, green and blue at most 2). Dark greys are filled over.
bool isFillBorder(QRgb pixel);

// Fills the four-connected area around `seed` that is not border with `fill`,
// writing into the RGB32 picture. A seed on a border pixel or outside the
// picture fills nothing. Returns the rectangle of changed pixels; the number
// of pixels filled goes to `filledPixels` when given.
QRect floodFill(QImage& image, QPoint seed, QRgb fill, qsizetype* filledPixels = nullptr);
