#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Where the baseline of a text with its top-left corner at `topLeft` lies when
// drawn on `device`-like pixels: the preview and the stamp share this rule, so
// the stamped text covers exactly what the preview showed.
QPoint textBaseline(QPoint topLeft, const QFont& font);

// Prints `text` with its top-left corner at `topLeft` in `font` and `colour` on
// a transparent background: only the glyph pixels change. Clipped at the image
// edges; returns the rectangle of the image that may have changed.
QRect drawText(QImage& image, QPoint topLeft, const QString& text, const QFont& font, QRgb colour);
