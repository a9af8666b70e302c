#pragma once

#include "image/Pen.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// The drawing primitives every tool uses, written straight into a floor's
// RGB32 picture without antialiasing. Each returns the rectangle of pixels it
// may have changed (clipped to the picture), so the caller repaints only that.
//
// Lines include both end points; a line from a point to itself draws nothing,
// so a click without a drag leaves no dot. Wider pens use a round brush.
// Dotted only shows at width 1. In invert mode every pixel the shape covers is
// complemented exactly once, so drawing the same shape twice restores it.

QRect drawLine(QImage& image, QPoint from, QPoint to, QRgb colour, const Pen& pen);

// Outline of the axis-parallel rectangle with both corners inclusive; wider
// pens grow the outline to both sides of the edge, with square corners.
QRect drawBox(QImage& image, QPoint corner1, QPoint corner2, QRgb colour, const Pen& pen);

// The rectangle corner1..corner2, both inclusive, filled with colour.
QRect fillBox(QImage& image, QPoint corner1, QPoint corner2, QRgb colour);

// A dot of the pen's width centred on `at`.
QRect drawPoint(QImage& image, QPoint at, QRgb colour, const Pen& pen);

// The point of a pointer position in canvas pixels, rounded to the nearest
// whole pixel, halves to even.
QPoint pixelAt(double x, double y);
