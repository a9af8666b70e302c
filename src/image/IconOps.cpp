#include "image/IconOps.h"

#include <utility>

namespace {
constexpr int Last = IconSide - 1;

QRgb pixelAt(const QImage& icon, int x, int y)
{
    return reinterpret_cast<const QRgb*>(icon.constScanLine(y))[x];
}

void setPixelAt(QImage& icon, int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= icon.width() || y >= icon.height())
        return;
    // RGB32 keeps the top byte at 0xff; a colour handed in without it must not
    // make two equal colours compare different.
    reinterpret_cast<QRgb*>(icon.scanLine(y))[x] = colour | 0xff000000u;
}

// The shifts and turns below assume the full 35 x 35 picture.
bool isIcon(const QImage& icon)
{
    return icon.width() == IconSide && icon.height() == IconSide && icon.format() == QImage::Format_RGB32;
}
} // namespace

QImage blankIcon()
{
    QImage icon(IconSide, IconSide, QImage::Format_RGB32);
    icon.fill(IconBackground);
    return icon;
}

void rotateIconClockwise(QImage& icon)
{
    if (!isIcon(icon))
        return;
    const QImage old = icon.copy();
    for (int y = 0; y < IconSide; ++y)
        for (int x = 0; x < IconSide; ++x)
            setPixelAt(icon, x, y, pixelAt(old, y, Last - x));
}

void mirrorIcon(QImage& icon)
{
    if (!isIcon(icon))
        return;
    for (int y = 0; y < IconSide; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < IconSide / 2; ++x)
            std::swap(row[x], row[Last - x]);
    }
}

void shiftIconLeft(QImage& icon)
{
    if (!isIcon(icon))
        return;
    for (int y = 0; y < IconSide; ++y) {
        for (int x = 1; x <= Last; ++x)
            setPixelAt(icon, x - 1, y, pixelAt(icon, x, y));
        setPixelAt(icon, Last, y, IconBackground);
    }
}

void shiftIconRight(QImage& icon)
{
    if (!isIcon(icon))
        return;
    for (int y = 0; y < IconSide; ++y) {
        for (int x = Last - 1; x >= 0; --x)
            setPixelAt(icon, x + 1, y, pixelAt(icon, x, y));
        setPixelAt(icon, 0, y, IconBackground);
    }
}

void shiftIconUp(QImage& icon)
{
    if (!isIcon(icon))
        return;
    for (int y = 1; y <= Last; ++y)
        for (int x = 0; x < IconSide; ++x)
            setPixelAt(icon, x, y - 1, pixelAt(icon, x, y));
    for (int x = 0; x < IconSide; ++x)
        setPixelAt(icon, x, Last, IconBackground);
}

void shiftIconDown(QImage& icon)
{
    if (!isIcon(icon))
        return;
    for (int y = Last - 1; y >= 0; --y)
        for (int x = 0; x < IconSide; ++x)
            setPixelAt(icon, x, y + 1, pixelAt(icon, x, y));
    for (int x = 0; x < IconSide; ++x)
        setPixelAt(icon, x, 0, IconBackground);
}

void negateIcon(QImage& icon)
{
    for (int y = 0; y < icon.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x)
            row[x] = qRgb(255 - qRed(row[x]), 255 - qGreen(row[x]), 255 - qBlue(row[x]));
    }
}

void drawIconBorder(QImage& icon, int n, QRgb colour)
{
    if (n < 0 || n > IconCentre)
        return;
    const int low = IconCentre - n;
    const int high = IconCentre + n;
    for (int i = low; i <= high; ++i) {
        setPixelAt(icon, i, low, colour);
        setPixelAt(icon, i, high, colour);
        setPixelAt(icon, low, i, colour);
        setPixelAt(icon, high, i, colour);
    }
}

void drawIconCircle(QImage& icon, int n, QRgb colour)
{
    if (n < 1 || n > IconCentre)
        return;
    // Midpoint circle: one octant computed, the other seven mirrored, so the
    // outline is symmetric and hits (17 +- n, 17) and (17, 17 +- n) exactly.
    int x = n;
    int y = 0;
    int error = 1 - n;
    while (y <= x) {
        const std::pair<int, int> octants[8] = {{x, y}, {y, x}, {-y, x}, {-x, y},
                                                {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& [dx, dy] : octants)
            setPixelAt(icon, IconCentre + dx, IconCentre + dy, colour);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

void fillIcon(QImage& icon, QRgb colour)
{
    icon.fill(colour | 0xff000000u);
}
