#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

// Picture files put together byte by byte, for what no encoder writes:
// headers that claim far more than follows them. The tests use them, and so
// does the fuzz targets' corpus maker.

inline void le16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xff)).append(char(value >> 8));
}

inline void le32(QByteArray& out, quint32 value)
{
    le16(out, quint16(value & 0xffff));
    le16(out, quint16(value >> 16));
}

inline void be32(QByteArray& out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xff));
}

// `image` written by Qt's encoder for `format`.
inline QByteArray encodedPicture(const QImage& image, const char* format, int quality = -1, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? bytes : QByteArray();
}

// Bitmap info header, without the file header an icon file leaves out.
inline QByteArray bmpInfo(qint32 width, qint32 height, quint16 bits, quint32 compression, quint32 dataSize,
                          quint32 paletteColours = 0)
{
    QByteArray out;
    le32(out, 40);
    le32(out, quint32(width));
    le32(out, quint32(height));
    le16(out, 1);
    le16(out, bits);
    le32(out, compression);
    le32(out, dataSize);
    le32(out, 2835);
    le32(out, 2835);
    le32(out, paletteColours);
    le32(out, 0);
    return out;
}

// BMP file and info headers; the palette and `dataSize` bytes of pixel data
// are to follow.
inline QByteArray bmpHeader(qint32 width, qint32 height, quint16 bits, quint32 compression, quint32 dataSize,
                            quint32 paletteColours)
{
    const quint32 offset = 14 + 40 + 4 * paletteColours;
    QByteArray out("BM");
    le32(out, offset + dataSize);
    le32(out, 0);
    le32(out, offset);
    return out + bmpInfo(width, height, bits, compression, dataSize, paletteColours);
}

// A 24-bit BMP header claiming the size, over 64 bytes of nothing.
inline QByteArray bmpClaiming(qint32 width, qint32 height)
{
    return bmpHeader(width, height, 24, 0, 0, 0) + QByteArray(64, '\0');
}

inline quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffff;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

inline QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray out;
    be32(out, quint32(data.size()));
    const QByteArray body = QByteArray(type) + data;
    out += body;
    be32(out, crc32(body));
    return out;
}

// A PNG whose header claims the size, with one row of grey pixels as data.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header;
    be32(header, width);
    be32(header, height);
    header.append(QByteArray("\x08\0\0\0\0", 5));
    const QByteArray row = QByteArray(1, '\0') + QByteArray(64, char(0x80));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", qCompress(row).mid(4)) + pngChunk("IEND", {});
}

// A two-colour GIF whose screen and one-pixel image claim their sizes apart.
inline QByteArray gifClaiming(quint16 screenWidth, quint16 screenHeight, quint16 imageWidth, quint16 imageHeight)
{
    QByteArray out("GIF89a");
    le16(out, screenWidth);
    le16(out, screenHeight);
    out.append(QByteArray("\x80\0\0\0\0\0\xff\xff\xff,", 10));
    le16(out, 0);
    le16(out, 0);
    le16(out, imageWidth);
    le16(out, imageHeight);
    return out + QByteArray("\0\x02\x02\x44\x01\0;", 7);
}

inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    return gifClaiming(width, height, width, height);
}

// An icon file with one entry of `side` pixels (0 for 256); `image` is a BMP
// without its file header (height doubled for the mask) or a whole PNG.
inline QByteArray icoHolding(const QByteArray& image, int side = 0)
{
    QByteArray out;
    le16(out, 0);
    le16(out, 1);
    le16(out, 1);
    out.append(char(side & 0xff)).append(char(side & 0xff)).append('\0').append('\0');
    le16(out, 1);
    le16(out, 32);
    le32(out, quint32(image.size()));
    le32(out, 22);
    return out + image;
}

// Sets the size a JPEG's frame header claims; empty when it has none.
inline QByteArray jpegClaiming(QByteArray jpeg, quint16 width, quint16 height)
{
    for (qsizetype at = 2; at + 9 < jpeg.size();) {
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xc0 || marker == 0xc2) {
            qToBigEndian<quint16>(height, jpeg.data() + at + 5);
            qToBigEndian<quint16>(width, jpeg.data() + at + 7);
            return jpeg;
        }
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return {};
}
