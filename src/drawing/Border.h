#pragma once

#include "image/Pen.h"

#include <QImage>

// The border command on a floor's picture: a box on the outermost pixel ring,
// with the floor's pen width and style. When the corner pixel is not white a
// border is taken to be there and the ring is painted white; otherwise the
// ring is drawn in the drawing colour.
void toggleBorder(QImage& image, const Pen& pen, QRgb drawingColour);
