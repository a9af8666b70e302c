#pragma once

#include <QImage>

#include <algorithm>

// How far two pictures of one size lie apart: the largest difference of any
// red, green or blue value at any pixel. A drawing that went through a JPG
// file comes back within one step.
inline int largestChannelError(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}
