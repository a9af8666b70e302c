#pragma once

#include "image/Pen.h"
#include "plan/Overlays.h"

#include <QFont>
#include <QImage>

// One storey of the house: its picture, the drawing attributes the tools set
// on it, and the overlays shown above it.
//
// The picture is wider than the canvas when the canvas was narrowed: the
// columns beyond it wait, hidden, until the canvas widens again. The floor
// owns both parts, so whatever replaces or turns the picture handles them
// together and never leaves one half of a plan beside another.
class Floor {
public:
    Floor(int width, int height);

    // The shown picture, as wide as the canvas; the tools draw into it, and
    // saving and printing read it.
    QImage image;
    Pen pen;
    // Font and colour for printed text; the text dialog changes them.
    QFont font;
    QRgb foreColour = qRgb(0, 0, 0);
    Overlays overlays;

    int shownWidth() const { return image.width(); }
    // Gives the canvas a new width. Columns a narrower canvas cuts off wait
    // until it widens again, so a trial of the width bar loses nothing;
    // columns never drawn on come in white.
    void setShownWidth(int width);
    // True when a narrowed canvas hides columns with anything but white in them.
    bool hasHiddenDrawing() const;

    // The shown picture with the hidden columns to its right: everything
    // this floor holds.
    QImage wholePicture() const;
    // Puts back what wholePicture() gave, the hidden columns included; the
    // canvas keeps its width.
    void setWholePicture(const QImage& whole);
    // Swaps the pixels of `area` of the whole picture with `pixels`, which is
    // as large as the area. An area beyond everything the floor holds widens
    // it with white first, so what a step kept always has a place to go back to.
    void exchange(const QRect& area, QImage& pixels);

    // White, the hidden columns included.
    void clear();
    // The shown picture becomes `picture` at the top left, unscaled, on white;
    // the hidden columns go (Plakken, a drawing loaded from outside).
    void setPicture(const QImage& picture);
    // Mirrors the shown picture left to right or top to bottom; the hidden
    // columns go, as they would end up beside a plan turned the other way.
    void mirror(Qt::Orientation orientation);

private:
    // The hidden columns from x = image.width() on; null while none are kept.
    QImage m_hidden;
};
