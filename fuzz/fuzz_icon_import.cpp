#include "FuzzSupport.h"

#include "image/IconOps.h"
#include "image/PictureReader.h"
#include "image/RasterOp.h"
#include "image/Twips.h"

#include <array>

// File > Import Icons: any file the user names is read as a picture and
// taken as the icon exactly when it is 35 x 35 pixels. An accepted icon is
// then placed on a plan in each raster mode, also half over its edges.

namespace {
constexpr std::array<RasterOp, 6> Modes{RasterOp::And,    RasterOp::Copy,   RasterOp::MergePaint,
                                        RasterOp::NotCopy, RasterOp::Invert, RasterOp::Paint};

void checkPlacement(const QImage& icon, const QImage& blank, QPoint at, RasterOp op)
{
    QImage canvas = blank;
    const QRect covered = blitRaster(canvas, icon, at, op);
    FUZZ_CHECK(covered == QRect(at, icon.size()).intersected(blank.rect()));
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x)
            FUZZ_CHECK(canvas.pixel(x, y) == combineRaster(icon.pixel(x - at.x(), y - at.y()), 0xffffffff, op));
    // Nothing outside the icon's place changed.
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x)
            canvas.setPixel(x, y, 0xffffffff);
    FUZZ_CHECK(canvas == blank);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QImage> picture = decodePicture(inputBytes(data, size));
    if (!picture)
        return 0;
    checkPictureBounds(*picture);
    if (picture->size() != QSize(IconSide, IconSide))
        return 0;

    QImage blank(BaseCanvasWidth, CanvasHeight, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const std::array<QPoint, 3> places{QPoint(100, 200), QPoint(-20, -30),
                                       QPoint(BaseCanvasWidth - 10, CanvasHeight - 5)};
    for (const RasterOp op : Modes)
        for (const QPoint at : places)
            checkPlacement(*picture, blank, at, op);
    return 0;
}
