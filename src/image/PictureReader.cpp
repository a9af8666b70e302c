#include "image/PictureReader.h"

#include "image/PictureChecks.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {
bool acceptableSize(QSize size)
{
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide
           && qint64(size.width()) * size.height() <= MaxPicturePixels;
}
} // namespace

std::optional<QImage> readPicture(const QString& path)
{
    // The file is read once into memory, so what is checked is what is decoded.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxPictureFileBytes + 1);
    if (bytes.size() > MaxPictureFileBytes)
        return std::nullopt;
    return decodePicture(bytes);
}

std::optional<QImage> decodePicture(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (format == "bmp" && !bmpDataComplete(bytes))
        return std::nullopt;
    if (format == "jpeg" && !jpegDataComplete(bytes))
        return std::nullopt;
    const QSize claimed = reader.size();
    if (claimed.isValid() && !acceptableSize(claimed))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !acceptableSize(image.size()))
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}
