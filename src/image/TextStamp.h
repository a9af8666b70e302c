#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Prints `text` with its top-left corner at `topLeft` in `font` and `colour` on
// a transparent background: only the glyph pixels change. The baseline lies one
// font ascent below `topLeft`, as in the canvas's text preview, so the stamp
// covers what the preview showed. Clipped at the image edges; returns the
// rectangle of the image that may have changed.
QRect drawText(QImage& image, QPoint topLeft, const QString& text, const QFont& font, QRgb colour);
