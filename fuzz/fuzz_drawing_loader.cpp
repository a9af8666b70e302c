#include "FuzzSupport.h"

#include "image/FloorStrips.h"
#include "image/PictureReader.h"
#include "image/Twips.h"

#include <array>

// File > Load: any bytes under a drawing's name become a picture or nothing;
// a picture as high as a canvas is cut into floors by its width, or the
// width it would need is suggested.

namespace {
// The canvas widths the configuration offers: 350 pixels plus 0..120 in
// steps of 20.
constexpr std::array<int, 7> CanvasWidths{350, 370, 390, 410, 430, 450, 470};

void checkSuggestion(int width)
{
    const int suggestion = suggestedCanvasWidth(width);
    const int divisor = width > 1050 ? 3 : width > 470 ? 2 : 1;
    // The nearest whole number to width / divisor.
    FUZZ_CHECK(2 * qAbs(suggestion * divisor - width) <= divisor);
    // When an exact canvas width exists, the suggestion is it and loads.
    if (width % divisor == 0)
        FUZZ_CHECK(floorCountForWidth(width, suggestion) == divisor);
}

// Loading and saving again gives back the same picture.
void checkStrips(const QImage& picture, int stripWidth)
{
    const int count = floorCountForWidth(picture.width(), stripWidth);
    FUZZ_CHECK(count >= 0 && count <= 3);
    FUZZ_CHECK((count > 0) == (picture.width() % stripWidth == 0 && picture.width() / stripWidth <= 3));
    if (count == 0)
        return;
    std::array<QImage, 3> floors;
    for (int k = 1; k <= count; ++k) {
        floors[size_t(k - 1)] = cutStrip(picture, k, stripWidth);
        FUZZ_CHECK(floors[size_t(k - 1)].size() == QSize(stripWidth, CanvasHeight));
    }
    FUZZ_CHECK(composeFloors(floors, count, stripWidth) == picture);
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
    if (picture->height() != CanvasHeight)
        return 0;
    checkSuggestion(picture->width());
    for (const int stripWidth : CanvasWidths)
        checkStrips(*picture, stripWidth);
    return 0;
}
