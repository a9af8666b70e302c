#pragma once

#include <QImage>
#include <QSize>

#include <array>

// The sixteen text colours the text dialog offers, left to right.
const std::array<QRgb, 16>& textPaletteColours();

// The palette picture: swatch k filled in colour k over (1 + 23k, 1)..(22 + 23k, 20)
// with a black outline on the same corners, on `background`.
QImage textPalettePicture(QSize size, QRgb background);
