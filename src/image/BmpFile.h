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

// Writes `image` as a 24-bit BMP file that is read back at once and removed:
// written in place and left to the system to put on disk, since waiting for
// the disk would protect nothing. A file that could not be written whole is
// removed, so it is never read half.
bool writeScratchBmp24(const QImage& image, const QString& path);
