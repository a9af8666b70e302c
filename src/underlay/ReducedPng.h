#pragma once

#include <QImage>
#include <QString>

// A PNG too large to hold whole, read one row at a time with each block of
// `factor` × `factor` pixels averaged into one pixel of the result: a thin
// dark line of a scan stays visible as grey instead of falling between the
// pixels kept. Transparent parts come out white, as on paper. The result is
// Format_Grayscale8 for a grey picture and Format_RGB32 otherwise; null when
// the file cannot be read to its end. Interlaced files are not read: their
// rows come in several passes over the whole picture.
QImage readReducedPng(const QString& path, int factor);
