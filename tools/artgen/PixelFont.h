#pragma once

#include <QImage>
#include <QString>

namespace art {

// A 5 x 7 pixel font with the few characters the artwork writes: digits for
// floor numbers and sheet labels, the letters of "Abc" and "N", and the short
// names that plans write on kitchen appliances. Drawn by hand so that no
// installed typeface can change the pictures.
inline constexpr int GlyphWidth = 5;
inline constexpr int GlyphHeight = 7;

// Draws `text` with its top-left at (x, y), each font pixel `scale` pixels
// square, one font pixel between characters. Returns the width drawn.
int drawText(QImage& image, int x, int y, const QString& text, QRgb colour, int scale = 1);
int textWidth(const QString& text, int scale = 1);

} // namespace art
