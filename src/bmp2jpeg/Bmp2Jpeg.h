#pragma once

// Converts the 24-bit BMP file at `bmpPath` into a JPEG file at `jpgPath`,
// with `quality` on a 0..100 scale and full colour resolution (no chroma
// subsampling), so lines keep their colour. The JPEG is written beside its
// target and renamed into place: an existing file is replaced whole or not at
// all. False when the BMP cannot be read or the JPEG cannot be written.
bool BmpToJpeg(const char* bmpPath, const char* jpgPath, short quality);
