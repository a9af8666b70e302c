#pragma once

// Crisp pixel drawing on ARGB32 images. Every symbol is built from these so
// that each pixel is placed on purpose: no antialiasing, no platform font and
// no dependence on how a paint engine rounds, which keeps the output the same
// on every machine and every Qt version.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <vector>

namespace art {

inline constexpr QRgb Ink = 0xFF000000u;
inline constexpr QRgb Paper = 0xFFFFFFFFu;
inline constexpr QRgb Clear = 0x00000000u;

// A new image of the given size, every pixel fully transparent.
QImage blank(int width, int height);
QImage filled(int width, int height, QRgb colour);

void plot(QImage& image, int x, int y, QRgb colour = Ink);
void hline(QImage& image, int x0, int x1, int y, QRgb colour = Ink);
void vline(QImage& image, int x, int y0, int y1, QRgb colour = Ink);
void line(QImage& image, int x0, int y0, int x1, int y1, QRgb colour = Ink);
// Every other run of `on` pixels is left out; the first run is drawn.
void dashedLine(QImage& image, int x0, int y0, int x1, int y1, int on = 2, int off = 2, QRgb colour = Ink);
// Outline of the rectangle x0..x1, y0..y1, both corners inclusive.
void box(QImage& image, int x0, int y0, int x1, int y1, QRgb colour = Ink);
void fillBox(QImage& image, int x0, int y0, int x1, int y1, QRgb colour = Ink);

// Quadrants of an ellipse, as seen on screen (y grows downwards).
enum Quadrant { TopRight = 1, TopLeft = 2, BottomLeft = 4, BottomRight = 8, AllQuadrants = 15 };

// The pixels of an ellipse that fits exactly in the box x0..x1, y0..y1.
std::vector<QPoint> ellipsePoints(int x0, int y0, int x1, int y1, int quadrants = AllQuadrants);
// Rounded rectangle outline with corner radius r.
std::vector<QPoint> roundBoxPoints(int x0, int y0, int x1, int y1, int r);

void stroke(QImage& image, const std::vector<QPoint>& points, QRgb colour = Ink);
// Fills every row between the leftmost and rightmost point of that row: right
// for the convex outlines above.
void fillRows(QImage& image, const std::vector<QPoint>& points, QRgb colour);

void ellipse(QImage& image, int x0, int y0, int x1, int y1, QRgb colour = Ink, int quadrants = AllQuadrants);
void fillEllipse(QImage& image, int x0, int y0, int x1, int y1, QRgb colour = Ink);
// Circle around the centre pixel (cx, cy) with radius r: 2r + 1 pixels across.
void circle(QImage& image, int cx, int cy, int r, QRgb colour = Ink, int quadrants = AllQuadrants);
void roundBox(QImage& image, int x0, int y0, int x1, int y1, int r, QRgb colour = Ink);
void fillRoundBox(QImage& image, int x0, int y0, int x1, int y1, int r, QRgb colour);

// Polygon in pixel-edge coordinates: a pixel is filled when its centre lies inside.
void fillPolygon(QImage& image, const std::vector<QPointF>& corners, QRgb colour = Ink);
// A straight band of the given width between two points in pixel-edge coordinates.
void band(QImage& image, QPointF from, QPointF to, double width, QRgb colour = Ink);

// Four-connected fill of the area of equal colour around (x, y).
void floodFill(QImage& image, int x, int y, QRgb colour);

// Copies every opaque pixel of `picture` onto `image` at (x, y).
void overlay(QImage& image, const QImage& picture, int x, int y);

} // namespace art

namespace art {
// Mirror images and the swap of rows and columns, for drawing one orientation
// of a symbol and deriving the others from it.
QImage flippedLeftRight(const QImage& image);
QImage flippedTopBottom(const QImage& image);
QImage transposed(const QImage& image);
} // namespace art

namespace art {
// The same picture with every opaque pixel in `colour`, for tinting line art.
QImage tinted(const QImage& image, QRgb colour);
// A lighter or darker shade of a colour: factor above 1 lightens.
QRgb shade(QRgb colour, double factor);
} // namespace art

namespace art {
// Gives every shape a 1-pixel rim: transparent pixels that touch an opaque
// one (left, right, above or below) take `colour`.
void addOutline(QImage& image, QRgb colour);
// A four-cornered shape along the axis from `from` to `to`: between distances
// a and b along it, widths wa and wb across it (pixel-edge coordinates).
std::vector<QPointF> alongAxis(QPointF from, QPointF to, double a, double b, double wa, double wb);
} // namespace art

namespace art {
// Keeps only the rim of every filled shape: opaque pixels with a transparent
// (or outside) neighbour to the left, right, above or below.
QImage rimOnly(const QImage& image);
} // namespace art
