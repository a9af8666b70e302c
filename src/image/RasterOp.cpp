#include "image/RasterOp.h"

namespace {
constexpr QRgb ColourBits = 0x00FFFFFF;
constexpr QRgb Opaque = 0xFF000000;

bool isKnownCode(quint32 code)
{
    switch (RasterOp(code)) {
    case RasterOp::And:
    case RasterOp::Copy:
    case RasterOp::MergePaint:
    case RasterOp::NotCopy:
    case RasterOp::Invert:
    case RasterOp::Paint:
        return true;
    }
    return false;
}
} // namespace

std::optional<RasterOp> rasterOpFromText(const QString& text)
{
    if (!text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const quint32 code = text.mid(2).toUInt(&ok, 16);
    if (!ok || !isKnownCode(code))
        return std::nullopt;
    return RasterOp(code);
}

QRgb combineRaster(QRgb source, QRgb destination, RasterOp op)
{
    const QRgb s = source & ColourBits;
    const QRgb d = destination & ColourBits;
    QRgb result = d;
    switch (op) {
    case RasterOp::And: result = s & d; break;
    case RasterOp::Copy: result = s; break;
    case RasterOp::MergePaint: result = (~s & ColourBits) | d; break;
    case RasterOp::NotCopy: result = ~s & ColourBits; break;
    case RasterOp::Invert: result = s ^ d; break;
    case RasterOp::Paint: result = s | d; break;
    }
    return Opaque | result;
}

QRect blitRaster(QImage& target, const QImage& picture, QPoint topLeft, RasterOp op)
{
    const QRect area = QRect(topLeft, picture.size()).intersected(target.rect());
    if (area.isEmpty() || picture.isNull())
        return {};
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const QImage source = picture.format() == QImage::Format_ARGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_ARGB32);

    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y - topLeft.y()));
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb s = from[x - topLeft.x()];
            if (qAlpha(s) < 128)
                continue;
            to[x] = combineRaster(s, to[x], op);
        }
    }
    return area;
}
