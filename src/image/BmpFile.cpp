#include "image/BmpFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
// 72 dots per inch, the resolution Windows stamps on screen pictures.
constexpr quint32 PixelsPerMetre = 2835;

void put16(char* at, quint16 value) { qToLittleEndian(value, at); }
void put32(char* at, quint32 value) { qToLittleEndian(value, at); }

// One row of pixels as blue, green, red. Each pixel goes out as a whole
// little-endian word (blue, green, red, then a byte the next pixel
// overwrites), which is several times faster than three byte stores; the
// last pixel is written byte by byte so nothing lands beyond the row.
void putBgrRow(const QRgb* line, int width, char* out)
{
    for (int x = 0; x + 1 < width; ++x, out += 3)
        put32(out, line[x]);
    if (width > 0) {
        out[0] = char(qBlue(line[width - 1]));
        out[1] = char(qGreen(line[width - 1]));
        out[2] = char(qRed(line[width - 1]));
    }
}
} // namespace

QByteArray encodeBmp24(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    // Every row is padded to a whole number of 32-bit words.
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const qsizetype pixelBytes = rowBytes * height;
    const qsizetype offset = FileHeaderSize + InfoHeaderSize;

    // Every byte is written below, the header's unused fields and the row padding included.
    QByteArray bytes(offset + pixelBytes, Qt::Uninitialized);
    char* d = bytes.data();
    std::memset(d, 0, size_t(offset));
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(bytes.size()));
    put32(d + 10, quint32(offset));
    put32(d + 14, InfoHeaderSize);
    put32(d + 18, quint32(width));
    put32(d + 22, quint32(height));
    put16(d + 26, 1);
    put16(d + 28, 24);
    put32(d + 34, quint32(pixelBytes));
    put32(d + 38, PixelsPerMetre);
    put32(d + 42, PixelsPerMetre);

    // Rows are stored bottom-up, each pixel as blue, green, red.
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* out = d + offset + rowBytes * (height - 1 - y);
        putBgrRow(line, width, out);
        std::memset(out + 3 * qsizetype(width), 0, size_t(rowBytes - 3 * qsizetype(width)));
    }
    return bytes;
}

bool writeBmp24(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("no picture");
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = encodeBmp24(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeScratchBmp24(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QFile file(path);
    const QByteArray bytes = encodeBmp24(image);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    file.close();
    // Only a plain file of ours is removed, never a device or a folder in its place.
    if (const QFileInfo written(path); written.isFile() && !written.isSymLink())
        QFile::remove(path);
    return false;
}
