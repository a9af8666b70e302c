#pragma once
#include <QImage>
#include <QSizeF>
#include <QString>

// A picture to trace over, read no larger than the canvas can use.
struct UnderlaySource {
    QImage picture;     // decoded and possibly scaled down; null when it could not be read
    QSizeF sourceSize;  // the whole picture's size in its own pixels; a PDF page counts at 300 dpi
    int pageCount = 1;  // pages of a PDF, else 1
    QString error;      // a Dutch message for the user when picture is null
};

namespace UnderlayReader {
// About 40 MB at four bytes a pixel: what a decoded underlay may hold.
constexpr qint64 MaxPixels = 10'000'000;
// For the open dialog: "Afbeeldingen en PDF (*.jpg *.jpeg *.png *.bmp *.pdf)"
QString fileFilter();
// Reads `path`; for a PDF the page `page` (1-based). Never holds more than about 50 MB while reading.
UnderlaySource read(const QString& path, int page = 1);
}
