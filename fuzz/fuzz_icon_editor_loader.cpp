#include "FuzzSupport.h"

#include "image/IconFile.h"
#include "image/IconOps.h"
#include "image/PictureReader.h"

#include <QPainter>

// The icon editor opens any picture: its top-left 35 x 35 pixels become the
// icon, which is saved as an icon file and must read back pixel for pixel.

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QImage> picture = readIconPicture(writeInputFile(inputBytes(data, size), ".ico"));
    if (!picture)
        return 0;
    checkPictureBounds(*picture);

    QImage icon = blankIcon();
    {
        QPainter painter(&icon);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), *picture, QRect(0, 0, IconSide, IconSide));
    }
    const QString saved = scratchPath("saved.rbn");
    FUZZ_CHECK(writeIconFile(icon, saved));
    const std::optional<QImage> reread = readIconPicture(saved);
    FUZZ_CHECK(reread && *reread == icon);
    return 0;
}
