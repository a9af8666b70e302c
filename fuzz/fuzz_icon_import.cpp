#include "FuzzSupport.h"

#include "image/IconOps.h"
#include "image/PictureReader.h"

// File > Import Icons: any file the user names is read as a picture and
// taken as the icon exactly when it is 35 x 35 pixels.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QImage> picture = readPicture(writeInputFile(inputBytes(data, size), ".rbn"));
    if (!picture || picture->size() != QSize(IconSide, IconSide))
        return 0;
    FUZZ_CHECK(picture->format() == QImage::Format_RGB32);
    return 0;
}
