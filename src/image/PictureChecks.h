#pragma once

#include <QByteArray>

// Qt's BMP and JPEG readers fill in whatever a cut-off file lacks and report
// success; these walks over the file's own structure catch such a file first.

// True when a BMP file holds every byte of pixel data its header promises.
bool bmpDataComplete(const QByteArray& bytes);

// True when a JPEG file runs from its start marker through its scans to its
// end marker without running out of bytes.
bool jpegDataComplete(const QByteArray& bytes);
