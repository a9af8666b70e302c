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

    // The visible picture, as wide as the canvas; everything that draws, saves
    // or prints works on this alone.
    QImage image;
    Pen pen;
    // Font and colour for printed text; the text dialog changes them.
    QFont font;
    QRgb foreColour = qRgb(0, 0, 0);
    Overlays overlays;

    // White, including the columns waiting beyond a narrowed canvas.
    void clear();
    // Gives the floor a new width. Columns a narrower canvas cuts off wait
    // until it widens again, so a trial of the width bar loses nothing;
    // columns never drawn on come in white.
    void setWidth(int width);
    // Replaces the visible picture: white first, then `picture` at the top
    // left, unscaled. The waiting columns stay (Undo, Plakken).
    void setPicture(const QImage& picture);
    // A drawing from outside replaces the floor's drawing whole, waiting columns included.
    void loadPicture(const QImage& picture);

private:
    // The drawing at the widest canvas, brought up to date at each width
    // change; null while nothing waits beyond the canvas.
    QImage m_reserve;
};
