#pragma once

#include <QImage>
#include <QRgb>

// Operations on a designed icon: a 35 x 35 RGB32 picture, pixel (x, y) with
// x and y in 0..34. Every function works in place and touches nothing else.
constexpr int IconSide = 35;
constexpr int IconCentre = 17;
constexpr QRgb IconBackground = 0xffffffff;

// A new, white icon.
QImage blankIcon();

// A quarter turn clockwise: the top-left corner goes to the top right.
void rotateIconClockwise(QImage& icon);
// Left and right change places.
void mirrorIcon(QImage& icon);

// Shifts move the picture one pixel; the pixels pushed out are lost and the
// column or row left behind becomes white.
void shiftIconLeft(QImage& icon);
void shiftIconRight(QImage& icon);
void shiftIconUp(QImage& icon);
void shiftIconDown(QImage& icon);

// Every channel becomes 255 minus its value.
void negateIcon(QImage& icon);

// Square outline from (17 - n, 17 - n) to (17 + n, 17 + n); n = 0 is the
// centre pixel alone, n = 17 the outermost ring. Other n draw nothing.
void drawIconBorder(QImage& icon, int n, QRgb colour);
// Circle outline round the centre pixel with radius n; 17 reaches the four
// edges. Drawn pixel by pixel, without smoothing, so the colour stays pure.
void drawIconCircle(QImage& icon, int n, QRgb colour);

// Every pixel takes the colour.
void fillIcon(QImage& icon, QRgb colour);
