#include "image/FloodFill.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {
// Black within two steps, tested on the whole pixel at once: a channel byte b
// is at most 2 exactly when its top bit is clear and (b & 0x7F) + 0x7D does
// not carry into it. No byte's sum can carry into the next.
inline bool isBorder(QRgb pixel)
{
    return ((((pixel & 0x7F7F7Fu) + 0x7D7D7Du) | pixel) & 0x808080u) == 0;
}

// A run of filled pixels in row `y` whose neighbour rows are still to be
// looked at. It was found from the run parentLeft..parentRight in row
// y + toParent, which is filled already and need not be looked at again.
struct Span {
    int y;
    int left;
    int right;
    int parentLeft;
    int parentRight;
    int toParent;
};

// When the fill colour occurs nowhere in the picture, a pixel in it is one
// this fill painted: the picture itself says what is done.
struct PlainArea {
    QRgb before; // the seed's colour, by far the most common pixel in an area
    QRgb colour;
    bool open(const QRgb* row, int x, int) const
    {
        const QRgb p = row[x];
        return p == before || (p != colour && !isBorder(p));
    }
    // Paints the pixel when it is open; what is painted is closed from then on.
    bool take(QRgb* row, int x, int y) const
    {
        if (!open(row, x, y))
            return false;
        row[x] = colour;
        return true;
    }
};

// The area may already hold the fill colour, so the pixels cannot tell what
// was painted: a mark per pixel does.
struct MarkedArea {
    QRgb colour;
    int width;
    std::vector<quint8> done;
    bool open(const QRgb* row, int x, int y) const
    {
        return !done[size_t(y) * size_t(width) + size_t(x)] && !isBorder(row[x]);
    }
    bool take(QRgb* row, int x, int y)
    {
        if (!open(row, x, y))
            return false;
        row[x] = colour;
        done[size_t(y) * size_t(width) + size_t(x)] = 1;
        return true;
    }
};

// Whether a pixel of the picture has the colour's red, green and blue. For a
// pixel that differs, d = (pixel ^ colour) & 0xFFFFFF is 1 or more, so
// d + 0xFFFFFF carries into bit 24; for a match it does not. Four pixels at a
// time, all through plain arithmetic the compiler turns into vector code.
bool holdsColour(const QImage& image, QRgb colour)
{
    const int width = image.width();
    auto carry = [colour](QRgb pixel) { return ((pixel ^ colour) & 0xFFFFFFu) + 0xFFFFFFu; };
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        quint32 lanes[4] = {~0u, ~0u, ~0u, ~0u};
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            for (int i = 0; i < 4; ++i)
                lanes[i] &= carry(row[x + i]);
        }
        quint32 all = lanes[0] & lanes[1] & lanes[2] & lanes[3];
        for (; x < width; ++x)
            all &= carry(row[x]);
        if (!(all & 0x1000000u))
            return true;
    }
    return false;
}

// Scan-line fill: each run is painted whole, then the rows above and below
// are searched for open runs only where they have not been searched yet.
template <typename Area>
QRect fillArea(QImage& image, QPoint seed, Area& area, qsizetype* filledPixels)
{
    const int width = image.width();
    const int height = image.height();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto rowAt = [&](int y) { return reinterpret_cast<QRgb*>(bits + stride * y); };

    int left = width, right = -1, top = height, bottom = -1;
    qsizetype count = 0;
    std::vector<Span> pending;
    // Paints the run around the open pixel x in row y as it finds its ends,
    // and remembers it.
    auto paintRun = [&](QRgb* row, int x, int y, int parentLeft, int parentRight, int toParent) {
        area.take(row, x, y);
        int x0 = x;
        while (x0 > 0 && area.take(row, x0 - 1, y))
            --x0;
        int x1 = x;
        while (x1 < width - 1 && area.take(row, x1 + 1, y))
            ++x1;
        count += x1 - x0 + 1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        pending.push_back({y, x0, x1, parentLeft, parentRight, toParent});
        return x1;
    };
    auto search = [&](const Span& s, int y, int from, int to) {
        if (y < 0 || y >= height)
            return;
        QRgb* row = rowAt(y);
        for (int x = from; x <= to; ++x) {
            if (area.open(row, x, y))
                x = paintRun(row, x, y, s.left, s.right, s.y - y) + 1;
        }
    };

    // The seed's run has no parent: both its neighbour rows are searched whole.
    constexpr int None = std::numeric_limits<int>::max();
    paintRun(rowAt(seed.y()), seed.x(), seed.y(), None, None - 1, 1);
    while (!pending.empty()) {
        const Span s = pending.back();
        pending.pop_back();
        search(s, s.y - s.toParent, s.left, s.right);
        // In the parent's row only what lies beyond the parent's run.
        search(s, s.y + s.toParent, s.left, std::min(s.right, s.parentLeft - 1));
        search(s, s.y + s.toParent, std::max(s.left, s.parentRight + 1), s.right);
    }
    if (filledPixels)
        *filledPixels = count;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

bool isFillBorder(QRgb pixel)
{
    return isBorder(pixel);
}

QRect floodFill(QImage& image, QPoint seed, QRgb fill, qsizetype* filledPixels)
{
    if (filledPixels)
        *filledPixels = 0;
    const int width = image.width();
    const int height = image.height();
    if (!QRect(0, 0, width, height).contains(seed) || isBorder(image.pixel(seed)))
        return {};

    const QRgb colour = fill | 0xFF000000u;
    // A fill in a border colour closes every pixel it paints; any other colour
    // does so only when the picture does not hold it already.
    if (isBorder(colour) || !holdsColour(image, colour)) {
        PlainArea area{reinterpret_cast<const QRgb*>(image.constScanLine(seed.y()))[seed.x()], colour};
        return fillArea(image, seed, area, filledPixels);
    }
    MarkedArea area{colour, width, std::vector<quint8>(size_t(width) * size_t(height), 0)};
    return fillArea(image, seed, area, filledPixels);
}
