#pragma once

#include <QByteArray>
#include <QtGlobal>

// What libjpeg keeps of a JPEG besides the picture it puts out. A picture
// whose first scan carries every component is decoded a band of rows at a
// time, whatever its size: 0. One that comes in several scans (progressive,
// or one component at a time) cannot be: libjpeg holds the DCT coefficients
// of the whole picture, two bytes for each of them, however small the scale
// asked for. Also 0 for a file whose frame or first scan cannot be found;
// the decoder refuses such a file itself.
qint64 jpegBufferedCoefficientBytes(const QByteArray& bytes);
