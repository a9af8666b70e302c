#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace art {

QImage blank(int width, int height)
{
    return filled(width, height, Clear);
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

void plot(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, colour);
}

void hline(QImage& image, int x0, int x1, int y, QRgb colour)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        plot(image, x, y, colour);
}

void vline(QImage& image, int x, int y0, int y1, QRgb colour)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        plot(image, x, y, colour);
}

namespace {
// Bresenham's line; calls visit(x, y, stepIndex) for each pixel from start to end.
template <typename Visit>
void walkLine(int x0, int y0, int x1, int y1, Visit visit)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int step = 0;; ++step) {
        visit(x0, y0, step);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}
} // namespace

void line(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    walkLine(x0, y0, x1, y1, [&](int x, int y, int) { plot(image, x, y, colour); });
}

void dashedLine(QImage& image, int x0, int y0, int x1, int y1, int on, int off, QRgb colour)
{
    walkLine(x0, y0, x1, y1, [&](int x, int y, int step) {
        if (step % (on + off) < on)
            plot(image, x, y, colour);
    });
}

void box(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    hline(image, x0, x1, y0, colour);
    hline(image, x0, x1, y1, colour);
    vline(image, x0, y0, y1, colour);
    vline(image, x1, y0, y1, colour);
}

void fillBox(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        hline(image, x0, x1, y, colour);
}

std::vector<QPoint> ellipsePoints(int x0, int y0, int x1, int y1, int quadrants)
{
    // Zingl's integer ellipse in a rectangle: exact for even and odd sizes, so
    // a symbol drawn symmetric stays symmetric to the pixel.
    std::vector<QPoint> points;
    auto put = [&](int x, int y, Quadrant q) {
        if (quadrants & q)
            points.emplace_back(x, y);
    };
    long a = std::abs(x1 - x0), b = std::abs(y1 - y0), b1 = b & 1;
    double dx = 4.0 * (1.0 - a) * b * b, dy = 4.0 * (b1 + 1) * a * a;
    double err = dx + dy + b1 * a * a;
    if (x0 > x1) {
        x0 = x1;
        x1 += int(a);
    }
    if (y0 > y1)
        y0 = y1;
    y0 += int((b + 1) / 2);
    y1 = y0 - int(b1);
    const double a8 = 8.0 * a * a, b8 = 8.0 * b * b;
    do {
        put(x1, y0, BottomRight);
        put(x0, y0, BottomLeft);
        put(x0, y1, TopLeft);
        put(x1, y1, TopRight);
        const double e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a8;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b8;
        }
    } while (x0 <= x1);
    while (y0 - y1 < b) {
        put(x0 - 1, y0, BottomLeft);
        put(x1 + 1, y0++, BottomRight);
        put(x0 - 1, y1, TopLeft);
        put(x1 + 1, y1--, TopRight);
    }
    return points;
}

std::vector<QPoint> roundBoxPoints(int x0, int y0, int x1, int y1, int r)
{
    std::vector<QPoint> points;
    for (const QPoint& p : ellipsePoints(0, 0, 2 * r, 2 * r)) {
        const int x = p.x() <= r ? x0 + p.x() : x1 - 2 * r + p.x();
        const int y = p.y() <= r ? y0 + p.y() : y1 - 2 * r + p.y();
        points.emplace_back(x, y);
    }
    for (int x = x0 + r; x <= x1 - r; ++x) {
        points.emplace_back(x, y0);
        points.emplace_back(x, y1);
    }
    for (int y = y0 + r; y <= y1 - r; ++y) {
        points.emplace_back(x0, y);
        points.emplace_back(x1, y);
    }
    return points;
}

void stroke(QImage& image, const std::vector<QPoint>& points, QRgb colour)
{
    for (const QPoint& p : points)
        plot(image, p.x(), p.y(), colour);
}

void fillRows(QImage& image, const std::vector<QPoint>& points, QRgb colour)
{
    std::map<int, std::pair<int, int>> rows;
    for (const QPoint& p : points) {
        auto [it, fresh] = rows.try_emplace(p.y(), p.x(), p.x());
        if (!fresh) {
            it->second.first = std::min(it->second.first, p.x());
            it->second.second = std::max(it->second.second, p.x());
        }
    }
    for (const auto& [y, span] : rows)
        hline(image, span.first, span.second, y, colour);
}

void ellipse(QImage& image, int x0, int y0, int x1, int y1, QRgb colour, int quadrants)
{
    stroke(image, ellipsePoints(x0, y0, x1, y1, quadrants), colour);
}

void fillEllipse(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    fillRows(image, ellipsePoints(x0, y0, x1, y1), colour);
}

void circle(QImage& image, int cx, int cy, int r, QRgb colour, int quadrants)
{
    ellipse(image, cx - r, cy - r, cx + r, cy + r, colour, quadrants);
}

void roundBox(QImage& image, int x0, int y0, int x1, int y1, int r, QRgb colour)
{
    stroke(image, roundBoxPoints(x0, y0, x1, y1, r), colour);
}

void fillRoundBox(QImage& image, int x0, int y0, int x1, int y1, int r, QRgb colour)
{
    fillRows(image, roundBoxPoints(x0, y0, x1, y1, r), colour);
}

void fillPolygon(QImage& image, const std::vector<QPointF>& corners, QRgb colour)
{
    const size_t n = corners.size();
    for (int y = 0; y < image.height(); ++y) {
        const double cy = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < n; ++i) {
            const QPointF a = corners[i], b = corners[(i + 1) % n];
            if ((a.y() <= cy) != (b.y() <= cy))
                crossings.push_back(a.x() + (cy - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel x is inside when its centre x + 0.5 lies within the span.
            const int first = int(std::ceil(crossings[i] - 0.5));
            const int last = int(std::floor(crossings[i + 1] - 0.5 - 1e-9));
            hline(image, first, last, y, colour);
        }
    }
}

void band(QImage& image, QPointF from, QPointF to, double width, QRgb colour)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0)
        return;
    const QPointF n(-d.y() / length * width / 2, d.x() / length * width / 2);
    fillPolygon(image, {from + n, to + n, to - n, from - n}, colour);
}

void floodFill(QImage& image, int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    const QRgb target = image.pixel(x, y);
    if (target == colour)
        return;
    std::vector<QPoint> stack{{x, y}};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= image.width() || p.y() >= image.height())
            continue;
        if (image.pixel(p) != target)
            continue;
        image.setPixel(p, colour);
        stack.emplace_back(p.x() + 1, p.y());
        stack.emplace_back(p.x() - 1, p.y());
        stack.emplace_back(p.x(), p.y() + 1);
        stack.emplace_back(p.x(), p.y() - 1);
    }
}

void overlay(QImage& image, const QImage& picture, int x, int y)
{
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (qAlpha(picture.pixel(px, py)) == 255)
                plot(image, x + px, y + py, picture.pixel(px, py));
}

} // namespace art

namespace art {

QImage flippedLeftRight(const QImage& image)
{
    return image.mirrored(true, false);
}

QImage flippedTopBottom(const QImage& image)
{
    return image.mirrored(false, true);
}

QImage transposed(const QImage& image)
{
    QImage result(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result.setPixel(y, x, image.pixel(x, y));
    return result;
}

} // namespace art

namespace art {

QImage tinted(const QImage& image, QRgb colour)
{
    QImage result = image;
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (qAlpha(result.pixel(x, y)) == 255)
                result.setPixel(x, y, colour);
    return result;
}

QRgb shade(QRgb colour, double factor)
{
    auto channel = [factor](int value) {
        const double v = factor >= 1 ? 255 - (255 - value) / factor : value * factor;
        return std::clamp(int(std::lround(v)), 0, 255);
    };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

} // namespace art

namespace art {

void addOutline(QImage& image, QRgb colour)
{
    const QImage before = image;
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < before.width() && y < before.height() && qAlpha(before.pixel(x, y)) == 255;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!opaque(x, y) && (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                image.setPixel(x, y, colour);
}

std::vector<QPointF> alongAxis(QPointF from, QPointF to, double a, double b, double wa, double wb)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length, n(-u.y(), u.x());
    const QPointF pa = from + u * a, pb = from + u * b;
    return {pa + n * (wa / 2), pb + n * (wb / 2), pb - n * (wb / 2), pa - n * (wa / 2)};
}

} // namespace art

namespace art {

QImage rimOnly(const QImage& image)
{
    QImage result = blank(image.width(), image.height());
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) == 255;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (opaque(x, y) && (!opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1)))
                result.setPixel(x, y, image.pixel(x, y));
    return result;
}

} // namespace art
