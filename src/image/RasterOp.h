#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <optional>

// The six ways a placed picture combines with the plan below it. The values
// are the classic ternary raster-operation codes, so the text kept in
// RasterOpText ("&H8800C6") converts straight to one of them.
enum class RasterOp : quint32 {
    And = 0x8800C6,        // D' = S AND D
    Copy = 0xCC0020,       // D' = S
    MergePaint = 0xBB0226, // D' = (NOT S) OR D
    NotCopy = 0x330008,    // D' = NOT S
    Invert = 0x660046,     // D' = S XOR D
    Paint = 0xEE0086,      // D' = S OR D
};

// "&H8800C6" -> And. Anything that is not one of the six codes gives nullopt.
std::optional<RasterOp> rasterOpFromText(const QString& text);

// One destination pixel from a source and a destination colour, on the 24-bit
// RGB value; the result is opaque.
QRgb combineRaster(QRgb source, QRgb destination, RasterOp op);

// Paints `picture` unscaled with its top-left corner at `topLeft`, each pixel
// combined with the target by `op`. Source pixels with alpha below 128 are
// transparent and leave the target alone in every mode. Clipped at the edges
// of the target; returns the rectangle of the target it covered (empty when
// the picture lies wholly outside).
QRect blitRaster(QImage& target, const QImage& picture, QPoint topLeft, RasterOp op);
