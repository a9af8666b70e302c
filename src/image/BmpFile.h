#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A Windows bitmap file at 24 bits per pixel, as every picture viewer reads it.
QByteArray encodeBmp24(const QImage& image);

// Writes `image` as a 24-bit BMP file. The file is replaced whole or not at
// all: an existing file is never left half-written. On failure `error` gets
// the reason.
bool writeBmp24(const QImage& image, const QString& path, QString* error = nullptr);
