#include "image/Primitives.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Dotted lines: two pixels on, two off, counted from the line's first pixel.
constexpr int DotOn = 2;
constexpr int DotPeriod = 4;

constexpr QRgb Opaque = 0xFF000000u;
constexpr QRgb ColourBits = 0x00FFFFFFu;

int penWidth(const Pen& pen)
{
    return std::max(1, pen.width);
}

// Writes one horizontal run of pixels, clipped to the picture, and grows the
// changed rectangle by what was really written.
void applySpan(QImage& image, int y, int left, int right, QRgb colour, bool invert, QRect& changed)
{
    if (y < 0 || y >= image.height())
        return;
    left = std::max(left, 0);
    right = std::min(right, image.width() - 1);
    if (left > right)
        return;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    if (invert) {
        for (int x = left; x <= right; ++x)
            row[x] = (row[x] ^ ColourBits) | Opaque;
    } else {
        std::fill(row + left, row + right + 1, colour | Opaque);
    }
    changed |= QRect(QPoint(left, y), QPoint(right, y));
}

// One row of the round brush: the columns it covers, relative to its centre.
struct BrushRow {
    int dy;
    int left;
    int right;
};

// A round brush of the given width; the centre pixel sits at offset
// (width - 1) / 2 from the brush's top-left corner.
std::vector<BrushRow> roundBrush(int width)
{
    std::vector<BrushRow> rows;
    const double centre = (width - 1) / 2.0;
    const double radius2 = (width / 2.0) * (width / 2.0);
    const int shift = (width - 1) / 2;
    for (int i = 0; i < width; ++i) {
        int first = INT_MAX;
        int last = INT_MIN;
        for (int j = 0; j < width; ++j) {
            const double dx = j - centre;
            const double dy = i - centre;
            if (dx * dx + dy * dy <= radius2) {
                first = std::min(first, j);
                last = std::max(last, j);
            }
        }
        if (first <= last)
            rows.push_back({i - shift, first - shift, last - shift});
    }
    return rows;
}

// The pixels of the one-pixel line from a to b, both ends included.
template <typename Visit>
void walkLine(QPoint a, QPoint b, Visit visit)
{
    int x = a.x();
    int y = a.y();
    const int dx = std::abs(b.x() - x);
    const int dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1;
    const int sy = y < b.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        visit(x, y);
        if (x == b.x() && y == b.y())
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// The brush swept along a line covers one run per row (a convex shape), so
// collecting the extreme columns per row gives every pixel exactly once.
class RowSpans {
public:
    RowSpans(int top, int bottom)
        : m_top(top)
        , m_spans(size_t(bottom - top + 1), {INT_MAX, INT_MIN})
    {
    }

    void add(int y, int left, int right)
    {
        auto& span = m_spans[size_t(y - m_top)];
        span.first = std::min(span.first, left);
        span.second = std::max(span.second, right);
    }

    QRect apply(QImage& image, QRgb colour, bool invert) const
    {
        QRect changed;
        for (size_t i = 0; i < m_spans.size(); ++i) {
            const auto& span = m_spans[i];
            if (span.first <= span.second)
                applySpan(image, m_top + int(i), span.first, span.second, colour, invert, changed);
        }
        return changed;
    }

private:
    int m_top;
    std::vector<std::pair<int, int>> m_spans;
};

QRect applyPixel(QImage& image, int x, int y, QRgb colour, bool invert)
{
    QRect changed;
    applySpan(image, y, x, x, colour, invert, changed);
    return changed;
}

QRect stampAlong(QImage& image, QPoint from, QPoint to, QRgb colour, const Pen& pen)
{
    const std::vector<BrushRow> brush = roundBrush(penWidth(pen));
    const int top = std::min(from.y(), to.y()) + brush.front().dy;
    const int bottom = std::max(from.y(), to.y()) + brush.back().dy;
    RowSpans spans(top, bottom);
    walkLine(from, to, [&](int x, int y) {
        for (const BrushRow& row : brush)
            spans.add(y + row.dy, x + row.left, x + row.right);
    });
    return spans.apply(image, colour, pen.invert);
}

} // namespace

QRect drawLine(QImage& image, QPoint from, QPoint to, QRgb colour, const Pen& pen)
{
    if (from == to)
        return {};
    if (pen.dotted && penWidth(pen) == 1) {
        QRect changed;
        int index = 0;
        walkLine(from, to, [&](int x, int y) {
            if (index++ % DotPeriod < DotOn)
                changed |= applyPixel(image, x, y, colour, pen.invert);
        });
        return changed;
    }
    return stampAlong(image, from, to, colour, pen);
}

QRect drawBox(QImage& image, QPoint corner1, QPoint corner2, QRgb colour, const Pen& pen)
{
    const int x0 = std::min(corner1.x(), corner2.x());
    const int x1 = std::max(corner1.x(), corner2.x());
    const int y0 = std::min(corner1.y(), corner2.y());
    const int y1 = std::max(corner1.y(), corner2.y());
    const int width = penWidth(pen);
    QRect changed;

    if (pen.dotted && width == 1) {
        // Walk the outline once round, so the dots run on past the corners.
        int index = 0;
        auto visit = [&](int x, int y) {
            if (index++ % DotPeriod < DotOn)
                changed |= applyPixel(image, x, y, colour, pen.invert);
        };
        for (int x = x0; x <= x1; ++x)
            visit(x, y0);
        for (int y = y0 + 1; y <= y1; ++y)
            visit(x1, y);
        if (y1 > y0) {
            for (int x = x1 - 1; x >= x0; --x)
                visit(x, y1);
        }
        if (x1 > x0) {
            for (int y = y1 - 1; y > y0; --y)
                visit(x0, y);
        }
        return changed;
    }

    // A band round the edge: the outer rectangle without the inner one.
    const int low = -(width - 1) / 2;
    const int high = width / 2;
    const int innerLeft = x0 + high + 1;
    const int innerRight = x1 + low - 1;
    const int innerTop = y0 + high + 1;
    const int innerBottom = y1 + low - 1;
    const bool hollow = innerLeft <= innerRight && innerTop <= innerBottom;
    for (int y = y0 + low; y <= y1 + high; ++y) {
        if (hollow && y >= innerTop && y <= innerBottom) {
            applySpan(image, y, x0 + low, innerLeft - 1, colour, pen.invert, changed);
            applySpan(image, y, innerRight + 1, x1 + high, colour, pen.invert, changed);
        } else {
            applySpan(image, y, x0 + low, x1 + high, colour, pen.invert, changed);
        }
    }
    return changed;
}

QRect fillBox(QImage& image, QPoint corner1, QPoint corner2, QRgb colour)
{
    const int x0 = std::min(corner1.x(), corner2.x());
    const int x1 = std::max(corner1.x(), corner2.x());
    const int y0 = std::min(corner1.y(), corner2.y());
    const int y1 = std::max(corner1.y(), corner2.y());
    QRect changed;
    for (int y = std::max(y0, 0); y <= std::min(y1, image.height() - 1); ++y)
        applySpan(image, y, x0, x1, colour, false, changed);
    return changed;
}

QRect drawPoint(QImage& image, QPoint at, QRgb colour, const Pen& pen)
{
    QRect changed;
    for (const BrushRow& row : roundBrush(penWidth(pen)))
        applySpan(image, at.y() + row.dy, at.x() + row.left, at.x() + row.right, colour, pen.invert, changed);
    return changed;
}

QPoint pixelAt(double x, double y)
{
    return QPoint(int(std::lrint(x)), int(std::lrint(y)));
}
