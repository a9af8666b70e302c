#pragma once

#include "image/PictureLibrary.h"
#include "image/RasterOp.h"

#include <QImage>
#include <QPoint>

// The background the library overview is painted on.
constexpr QRgb OverviewBackground = 0xFFE3EDC8; // RGB(227, 237, 200)

// Where library picture n lands in the overview: ten columns, 34 pixels apart,
// rows 32 pixels apart.
constexpr QPoint overviewCell(int n)
{
    return {5 + 34 * (n % 10), 2 + 32 * (n / 10)};
}

// Fills `image` with the overview background and paints every library picture
// except the magnifier's idle picture (99) in its cell, combined by `op`.
void paintLibraryOverview(QImage& image, const PictureLibrary& library, RasterOp op);
