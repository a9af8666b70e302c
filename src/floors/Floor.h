#pragma once

#include "floors/Overlays.h"
#include "image/Pen.h"

#include <QFont>
#include <QImage>

// One storey of the house: its persistent picture, the drawing attributes the
// tools set on it, and the overlays shown above it.
class Floor {
public:
    Floor(int width, int height);

    QImage image;
    Pen pen;
    // Font and colour for printed text; the text dialog changes them.
    QFont font;
    QRgb foreColour = qRgb(0, 0, 0);
    Overlays overlays;

    void clear();
    // Gives the floor a new width, keeping the pixels that still fit and
    // painting new columns white.
    void setWidth(int width);
    // Replaces the picture: white first, then `picture` at the top left, unscaled.
    void setPicture(const QImage& picture);
};
