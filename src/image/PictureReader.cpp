#include "image/PictureReader.h"

#include <QImageReader>

std::optional<QImage> readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.width() > MaxPictureSide || claimed.height() > MaxPictureSide))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (image.width() > MaxPictureSide || image.height() > MaxPictureSide)
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}
