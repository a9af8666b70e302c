#include "FuzzSupport.h"

#include "image/PictureReader.h"
#include "image/Twips.h"

// File > Load: any bytes under a drawing's name become a picture or nothing.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QImage> picture = readPicture(writeInputFile(inputBytes(data, size), ".jpg"));
    if (!picture)
        return 0;
    FUZZ_CHECK(picture->format() == QImage::Format_RGB32);
    FUZZ_CHECK(picture->width() >= 1 && picture->width() <= MaxPictureSide);
    FUZZ_CHECK(picture->height() >= 1 && picture->height() <= MaxPictureSide);
    return 0;
}
