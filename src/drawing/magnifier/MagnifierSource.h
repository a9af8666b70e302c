#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The screen rectangle the magnifier enlarges: 1/zoom of the view's size
// (rounded, halves to even), centred on the pointer and moved down and right
// by `shift` pixels while a symbol is being placed.
QRect magnifierSourceRect(QPoint pointer, QSize view, int zoom, int shift);

// Fills all of `view` (32 bits a pixel) with the nearest-neighbour enlargement of the screen
// rectangle `source`. `grabbed` holds the screen pixels of `grabbedRect`
// (its devicePixelRatio of them a unit, as QScreen::grabWindow gives them),
// which may be only part of `source` near a screen edge; view pixels that
// come from outside it get `background`. Allocates nothing for the usual
// 32-bit screen formats.
void enlargeInto(QImage& view, const QImage& grabbed, const QRect& grabbedRect, const QRect& source, QRgb background);
