#include "drawing/magnifier/MagnifierSource.h"

#include "core/Rounding.h"

#include <algorithm>

QRect magnifierSourceRect(QPoint pointer, QSize view, int zoom, int shift)
{
    const int z = zoom < 1 ? 1 : zoom;
    const int sw = roundHalfToEven(view.width() / double(z));
    const int sh = roundHalfToEven(view.height() / double(z));
    const int sx = pointer.x() - sw / 2;
    const int sy = pointer.y() - sh / 2;
    return QRect(sx + shift, sy + shift, sw, sh);
}

void enlargeInto(QImage& view, const QImage& grabbed, const QRect& grabbedRect, const QRect& source, QRgb background)
{
    const int w = view.width();
    const int h = view.height();
    if (w <= 0 || h <= 0)
        return;
    const bool direct = grabbed.format() == QImage::Format_RGB32 || grabbed.format() == QImage::Format_ARGB32
        || grabbed.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage pixels = direct ? grabbed : grabbed.convertToFormat(QImage::Format_RGB32);
    // Above 100 % scaling the grab holds `ratio` screen pixels per unit of the
    // rectangles. Each unit is read at its first screen pixel, so the view
    // enlarges canvas pixels as much as at 100 %, round the pointer.
    const qreal ratio = pixels.isNull() ? 1.0 : pixels.devicePixelRatio();
    const QRect usable
        = grabbedRect & QRect(grabbedRect.topLeft(), QSize(int(pixels.width() / ratio), int(pixels.height() / ratio)));
    const QRgb fill = background | 0xFF000000u;

    // Source column of view column tx is source.x + floor(tx * sw / w); it is
    // stepped along without a division per pixel.
    // A screen row enlarged z times gives z equal view rows: copy the first.
    const int sw = source.width();
    int previousY = 0;
    for (int ty = 0; ty < h; ++ty) {
        auto* out = reinterpret_cast<QRgb*>(view.scanLine(ty));
        const int screenY = source.y() + int(qint64(ty) * source.height() / h);
        if (ty > 0 && screenY == previousY) {
            const auto* above = reinterpret_cast<const QRgb*>(view.constScanLine(ty - 1));
            std::copy(above, above + w, out);
            continue;
        }
        previousY = screenY;
        if (source.isEmpty() || screenY < usable.top() || screenY > usable.bottom()) {
            std::fill(out, out + w, fill);
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(int((screenY - grabbedRect.y()) * ratio)));
        int screenX = source.x();
        int remainder = 0;
        for (int tx = 0; tx < w; ++tx) {
            out[tx] = (screenX < usable.left() || screenX > usable.right())
                ? fill
                : (in[int((screenX - grabbedRect.x()) * ratio)] | 0xFF000000u);
            remainder += sw;
            while (remainder >= w) {
                remainder -= w;
                ++screenX;
            }
        }
    }
}
