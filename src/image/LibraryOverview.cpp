#include "image/LibraryOverview.h"

namespace {
// The magnifier's idle picture is far too big for a cell.
constexpr int MagnifierPicture = 99;
} // namespace

void paintLibraryOverview(QImage& image, const PictureLibrary& library, RasterOp op)
{
    image.fill(OverviewBackground);
    for (int n = 0; n <= PictureLibrary::LastIndex; ++n) {
        if (n == MagnifierPicture || !library.has(n))
            continue;
        blitRaster(image, library.picture(n), overviewCell(n), op);
    }
}
