#include "image/IconFile.h"

#include "image/IconOps.h"
#include "image/PictureReader.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

bool writeIconFile(const QImage& icon35, const QString& path, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (icon35.width() != IconSide || icon35.height() != IconSide)
        return fail(QStringLiteral("the picture is not 35 x 35 pixels"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // Qt's BMP writer stores a picture without alpha at 24 bits per pixel.
    QImageWriter writer(&file, "bmp");
    if (!writer.write(icon35.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return fail(writer.errorString());
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

std::optional<QImage> readIconPicture(const QString& path)
{
    const std::optional<QImage> picture = readPictureKeepingAlpha(path);
    if (!picture)
        return std::nullopt;
    if (!picture->hasAlphaChannel())
        return picture->convertToFormat(QImage::Format_RGB32);

    QImage onWhite(picture->size(), QImage::Format_RGB32);
    onWhite.fill(IconBackground);
    QPainter painter(&onWhite);
    painter.drawImage(0, 0, *picture);
    return onWhite;
}
