#include "image/PictureReader.h"

#include "image/PictureChecks.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {
// Only these decoders are ever handed bytes from outside, chosen by the
// signature the file starts with; whatever other formats Qt's plugins know
// (TIFF, WebP, TGA, ...) no file of ours is in. The choice is made here and
// not left to the decoders: some of them, asked whether they can read some
// bytes, start decoding whatever they are given.
const char* formatOf(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (bytes.startsWith("\xff\xd8"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    // Windows icons and cursors.
    if (bytes.startsWith(QByteArrayView("\0\0\1\0", 4)) || bytes.startsWith(QByteArrayView("\0\0\2\0", 4)))
        return "ico";
    return nullptr;
}

bool acceptableSize(QSize size)
{
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide
           && qint64(size.width()) * size.height() <= MaxPicturePixels;
}

// Some headers claim one size and decode into another: a GIF's screen can be
// far larger than the image that gives the reader its size, and an icon file
// lists one size and holds a bitmap of another. Qt refuses to allocate more
// than its allocation limit, but that limit is one setting for the whole
// program, and it is lowered here to our own bound for the length of a read.
class PictureAllocationLimit {
public:
    PictureAllocationLimit()
        : m_saved(QImageReader::allocationLimit())
    {
        constexpr qint64 megabyte = 1024 * 1024;
        constexpr int bound = int((MaxPicturePixels * 4 + megabyte - 1) / megabyte);
        if (m_saved == 0 || m_saved > bound)
            QImageReader::setAllocationLimit(bound);
    }
    ~PictureAllocationLimit() { QImageReader::setAllocationLimit(m_saved); }
    PictureAllocationLimit(const PictureAllocationLimit&) = delete;
    PictureAllocationLimit& operator=(const PictureAllocationLimit&) = delete;

private:
    const int m_saved;
};

std::optional<QImage> decodeAsStored(const QByteArray& bytes)
{
    const char* format = formatOf(bytes);
    if (!format)
        return std::nullopt;
    if (qstrcmp(format, "bmp") == 0 && !bmpDataComplete(bytes))
        return std::nullopt;
    if (qstrcmp(format, "jpeg") == 0 && !jpegDataComplete(bytes))
        return std::nullopt;
    if (qstrcmp(format, "png") == 0 && !pngDataComplete(bytes))
        return std::nullopt;
    if (qstrcmp(format, "ico") == 0 && !icoPictureComplete(bytes))
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const PictureAllocationLimit limit;
    const QSize claimed = reader.size();
    if (claimed.isValid() && !acceptableSize(claimed))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !acceptableSize(image.size()))
        return std::nullopt;
    return image;
}

std::optional<QByteArray> fileBytes(const QString& path)
{
    // The file is read once into memory, so what is checked is what is decoded.
    // Only as much as the file holds is asked for: a read sets aside all the
    // room it is asked to fill before it starts.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureFileBytes)
        return std::nullopt;
    QByteArray bytes = file.read(file.size() + 1);
    if (bytes.size() > MaxPictureFileBytes)
        return std::nullopt;
    return bytes;
}
} // namespace

std::optional<QImage> readPicture(const QString& path)
{
    const std::optional<QByteArray> bytes = fileBytes(path);
    return bytes ? decodePicture(*bytes) : std::nullopt;
}

std::optional<QImage> decodePicture(const QByteArray& bytes)
{
    const std::optional<QImage> image = decodeAsStored(bytes);
    return image ? std::optional(image->convertToFormat(QImage::Format_RGB32)) : std::nullopt;
}

std::optional<QImage> readPictureKeepingAlpha(const QString& path)
{
    const std::optional<QByteArray> bytes = fileBytes(path);
    return bytes ? decodeAsStored(*bytes) : std::nullopt;
}
