#pragma once

#include <QByteArray>

// Qt's BMP and JPEG readers fill in whatever a cut-off file lacks and report
// success, and libpng sets aside whatever memory a chunk claims before it
// reads it; these walks over the file's own structure catch such a file first.

// True when a BMP file holds every byte of pixel data its header promises.
bool bmpDataComplete(const QByteArray& bytes);

// True when a JPEG file runs from its start marker through its scans to its
// end marker without running out of bytes.
bool jpegDataComplete(const QByteArray& bytes);

// True when every chunk of a PNG file, through its end chunk, lies within the
// file.
bool pngDataComplete(const QByteArray& bytes);

// True unless the picture an icon file is read for (its first) is a PNG that
// pngDataComplete refuses.
bool icoPictureComplete(const QByteArray& bytes);
