#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// The icon editor's enlarged view of the icon: 360 x 360 pixels, cell (x, y)
// from (5 + 10x, 5 + 10y) to (15 + 10x, 15 + 10y), grey lines between the
// cells and red marks beside cells 8, 17 and 26 on every edge to help find
// the middle and the quarters.
constexpr int IconGridSide = 360;
constexpr int IconGridOrigin = 5;
constexpr int IconCellPitch = 10;
constexpr QRgb IconGridLineColour = 0xffbebebe; // 190, 190, 190

// A white grid with its lines and marks.
QImage blankIconGrid();

// Draws the lines and the edge marks over whatever the grid holds.
void drawIconGridLines(QImage& grid);

// Redraws every cell from the icon's pixels, then the lines and marks.
void renderIconGrid(QImage& grid, const QImage& icon);

// Paints the inside of one cell, leaving its grid lines; returns the pixels
// that changed. Cells outside the icon change nothing.
QRect paintIconGridCell(QImage& grid, QPoint cell, QRgb colour);

// Every cell in one colour, lines and marks on top.
void fillIconGrid(QImage& grid, QRgb colour);
