#pragma once

#include <QImage>
#include <QRgb>

// The icon editor's palette: 18 rows of 7 swatches. Row r uses i = 15 r, so
// the rows run from dark to light (or light to dark) in even steps, and each
// column is one family: greys, cyan, blue, magenta, yellow, red and green.
constexpr int IconPaletteRows = 18;
constexpr int IconPaletteColumns = 7;
// Swatches are 120 x 195 twips: 8 x 13 pixels.
constexpr int IconSwatchWidth = 8;
constexpr int IconSwatchHeight = 13;
// The drawing area is 840 x 3525 twips, one pixel row more than the swatches fill.
constexpr int IconPaletteWidth = 56;
constexpr int IconPaletteHeight = 235;

QRgb iconPaletteColour(int row, int column);

// The palette as it is shown; the strip below the last row stays white.
QImage renderIconPalette();
