#include "image/PictureChecks.h"

#include <QtEndian>

namespace {
quint16 get16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 get32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint8 byteAt(const QByteArray& bytes, qsizetype at)
{
    return quint8(bytes[at]);
}

bool isRestartMarker(quint8 marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}
} // namespace

bool bmpDataComplete(const QByteArray& bytes)
{
    constexpr qsizetype FileHeaderSize = 14;
    if (bytes.size() < FileHeaderSize + 12 || !bytes.startsWith("BM"))
        return false;
    const qint64 offset = get32(bytes, 10);
    const quint32 headerSize = get32(bytes, 14);

    qint64 width = 0;
    qint64 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
    quint32 imageSize = 0;
    if (headerSize == 12) {
        width = get16(bytes, 18);
        height = get16(bytes, 20);
        bitsPerPixel = get16(bytes, 24);
    } else if (headerSize >= 40 && bytes.size() >= FileHeaderSize + 40) {
        width = qint32(get32(bytes, 18));
        height = qint32(get32(bytes, 22));
        bitsPerPixel = get16(bytes, 28);
        compression = get32(bytes, 30);
        imageSize = get32(bytes, 34);
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || bitsPerPixel == 0 || bitsPerPixel > 32)
        return false;
    if (offset < FileHeaderSize + qint64(headerSize) || offset > bytes.size())
        return false;

    const qint64 available = bytes.size() - offset;
    switch (compression) {
    case 0: // uncompressed rows
    case 3: { // uncompressed rows with colour masks
        // Counted in whole rows: the row length times the row count overflows
        // for a header that claims billions of rows.
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        return qAbs(height) <= available / rowBytes;
    }
    case 1: // run-length coded, 8 bits
    case 2: // run-length coded, 4 bits
        return imageSize != 0 && imageSize <= available;
    default:
        return false;
    }
}

bool jpegDataComplete(const QByteArray& bytes)
{
    const qsizetype n = bytes.size();
    if (n < 4 || byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return false;
    qsizetype pos = 2;
    bool scanned = false;
    while (pos < n) {
        if (byteAt(bytes, pos) != 0xFF)
            return false;
        while (pos < n && byteAt(bytes, pos) == 0xFF)
            ++pos; // fill bytes before a marker
        if (pos >= n)
            return false;
        const quint8 marker = byteAt(bytes, pos++);
        if (marker == 0xD9)
            return scanned;
        if (marker == 0x01 || isRestartMarker(marker))
            continue;
        if (pos + 2 > n)
            return false;
        const qsizetype length = qFromBigEndian<quint16>(bytes.constData() + pos);
        if (length < 2 || pos + length > n)
            return false;
        pos += length;
        if (marker != 0xDA)
            continue;
        // Coded data follows a scan header up to the next real marker: inside
        // it 0xFF is always followed by a stuffed zero or a restart marker.
        scanned = true;
        while (pos < n) {
            if (byteAt(bytes, pos) != 0xFF) {
                ++pos;
                continue;
            }
            if (pos + 1 >= n)
                return false;
            const quint8 next = byteAt(bytes, pos + 1);
            if (next == 0x00 || isRestartMarker(next))
                pos += 2;
            else if (next == 0xFF)
                ++pos;
            else
                break;
        }
    }
    return false;
}

bool pngDataComplete(const QByteArray& bytes)
{
    constexpr qsizetype SignatureSize = 8;
    constexpr qsizetype ChunkOverhead = 12; // length, type and check sum
    if (bytes.size() < SignatureSize || !bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return false;
    qsizetype pos = SignatureSize;
    while (bytes.size() - pos >= ChunkOverhead) {
        const qint64 length = qFromBigEndian<quint32>(bytes.constData() + pos);
        if (length > bytes.size() - pos - ChunkOverhead)
            return false;
        if (QByteArrayView(bytes).sliced(pos + 4, 4) == "IEND")
            return true;
        pos += ChunkOverhead + length;
    }
    return false;
}

bool icoPictureComplete(const QByteArray& bytes)
{
    constexpr qsizetype DirectorySize = 6;
    constexpr qsizetype EntrySize = 16;
    if (bytes.size() < DirectorySize + EntrySize)
        return true; // no picture to read: the decoder refuses the file itself
    // The decoder hands exactly the entry's bytes to the PNG decoder.
    const QByteArray picture = bytes.mid(get32(bytes, DirectorySize + 12), get32(bytes, DirectorySize + 8));
    return !picture.startsWith("\x89PNG\r\n\x1a\n") || pngDataComplete(picture);
}
