#include "underlay/JpegScans.h"

#include <QList>
#include <QtEndian>

#include <algorithm>

namespace {
struct Component {
    int horizontal = 0; // sampling factors, 1 to 4
    int vertical = 0;
};

struct Frame {
    qint64 width = 0;
    qint64 height = 0;
    bool progressive = false;
    QList<Component> components;
};

quint8 byteAt(const QByteArray& bytes, qsizetype at)
{
    return quint8(bytes[at]);
}

bool isFrameMarker(quint8 marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The segment at `at` (after the marker) of `length` bytes, counted with its length field.
Frame frameAt(const QByteArray& bytes, qsizetype at, qsizetype length, quint8 marker)
{
    Frame frame;
    frame.progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
    if (length < 8)
        return frame;
    frame.height = qFromBigEndian<quint16>(bytes.constData() + at + 3);
    frame.width = qFromBigEndian<quint16>(bytes.constData() + at + 5);
    const int count = byteAt(bytes, at + 7);
    for (int c = 0; c < count && 8 + 3 * (c + 1) <= length; ++c) {
        const quint8 sampling = byteAt(bytes, at + 8 + 3 * c + 1);
        frame.components.append({sampling >> 4, sampling & 0x0F});
    }
    return frame;
}

// libjpeg's coefficient arrays: per component, blocks of 8 x 8 across the
// component's share of the picture, rounded up to whole sampling units.
qint64 coefficientBytes(const Frame& frame)
{
    int largestHorizontal = 0;
    int largestVertical = 0;
    for (const Component& component : frame.components) {
        if (component.horizontal < 1 || component.vertical < 1)
            return 0;
        largestHorizontal = std::max(largestHorizontal, component.horizontal);
        largestVertical = std::max(largestVertical, component.vertical);
    }
    const auto blocks = [](qint64 pixels, int factor, int largest) {
        const qint64 count = (pixels * factor + 8 * largest - 1) / (8 * largest);
        return (count + factor - 1) / factor * factor;
    };
    qint64 total = 0;
    for (const Component& component : frame.components)
        total += blocks(frame.width, component.horizontal, largestHorizontal)
                 * blocks(frame.height, component.vertical, largestVertical) * 64 * 2;
    return total;
}
} // namespace

qint64 jpegBufferedCoefficientBytes(const QByteArray& bytes)
{
    Frame frame;
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && byteAt(bytes, at) == 0xFF) {
        const quint8 marker = byteAt(bytes, at + 1);
        if (marker == 0xFF) { // a fill byte before the marker
            ++at;
            continue;
        }
        const qsizetype length = qFromBigEndian<quint16>(bytes.constData() + at + 2);
        at += 2;
        if (length < 2 || at + length > bytes.size())
            return 0;
        if (isFrameMarker(marker))
            frame = frameAt(bytes, at, length, marker);
        if (marker == 0xDA) {
            const bool oneScan = !frame.progressive && length >= 3 && byteAt(bytes, at + 2) >= frame.components.size();
            return frame.components.isEmpty() || oneScan ? 0 : coefficientBytes(frame);
        }
        at += length;
    }
    return 0;
}
