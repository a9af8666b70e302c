#include "image/FloodFill.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int BorderTolerance = 2;

struct Seed {
    int x;
    int y;
};
} // namespace

bool isFillBorder(QRgb pixel)
{
    return qRed(pixel) <= BorderTolerance && qGreen(pixel) <= BorderTolerance && qBlue(pixel) <= BorderTolerance;
}

QRect floodFill(QImage& image, QPoint seed, QRgb fill, qsizetype* filledPixels)
{
    if (filledPixels)
        *filledPixels = 0;
    const int width = image.width();
    const int height = image.height();
    if (!QRect(0, 0, width, height).contains(seed) || isFillBorder(image.pixel(seed)))
        return {};

    // The area may already hold the fill colour (or the fill may be black), so
    // the pixels themselves cannot tell what was done: keep a mark per pixel.
    std::vector<quint8> done(size_t(width) * size_t(height), 0);
    auto open = [&](const QRgb* row, int x, int y) {
        return !done[size_t(y) * size_t(width) + size_t(x)] && !isFillBorder(row[x]);
    };

    const QRgb colour = fill | 0xFF000000u;
    std::vector<Seed> pending{{seed.x(), seed.y()}};
    int left = width, right = -1, top = height, bottom = -1;
    qsizetype count = 0;
    while (!pending.empty()) {
        const Seed s = pending.back();
        pending.pop_back();
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(s.y));
        if (!open(row, s.x, s.y))
            continue;
        int x0 = s.x;
        while (x0 > 0 && open(row, x0 - 1, s.y))
            --x0;
        int x1 = s.x;
        while (x1 < width - 1 && open(row, x1 + 1, s.y))
            ++x1;
        std::fill(row + x0, row + x1 + 1, colour);
        std::fill(done.begin() + qsizetype(s.y) * width + x0, done.begin() + qsizetype(s.y) * width + x1 + 1, quint8(1));
        count += x1 - x0 + 1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, s.y);
        bottom = std::max(bottom, s.y);

        // One seed per open run in the rows above and below.
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(ny));
            bool inRun = false;
            for (int x = x0; x <= x1; ++x) {
                const bool isOpen = open(next, x, ny);
                if (isOpen && !inRun)
                    pending.push_back({x, ny});
                inRun = isOpen;
            }
        }
    }
    if (filledPixels)
        *filledPixels = count;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
