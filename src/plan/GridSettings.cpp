#include "plan/GridSettings.h"

#include "plan/PlanScale.h"
#include "plan/GridOverlay.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace {
constexpr const char* ShownKey = "raster";
constexpr const char* SnapKey = "uitlijnen";
constexpr const char* CentimetresKey = "raster-cm";
constexpr const char* PixelsKey = "raster-pixels";

// A key's value when it is a whole number from `low` to `high`.
bool valueOf(const QList<QByteArray>& lines, const char* key, int low, int high, int& value)
{
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith(prefix))
            continue;
        bool ok = false;
        const int number = line.mid(prefix.size()).toInt(&ok);
        if (ok && number >= low && number <= high) {
            value = number;
            return true;
        }
        return false;
    }
    return false;
}
} // namespace

double GridSettings::pixels(const PlanScale& scale) const
{
    return scale.isOn() ? double(spacingCentimetres) / scale.centimetresPerPixel() : spacingPixels;
}

double GridSettings::spacing(const PlanScale& scale) const
{
    return std::max(pixels(scale), double(MinPixels));
}

QPointF GridSettings::nearest(QPointF at, double spacing, QSize canvas)
{
    // Along an axis of `length` pixels: the nearest line the canvas shows, or
    // its last pixel when no line falls there and that is nearer.
    const auto axis = [spacing](double v, int length) {
        int last = 0;
        while (GridOverlay::linePosition(last + 1, spacing) < length)
            ++last;
        const double index = std::clamp(std::round(v / spacing), 0.0, double(last));
        const double line = GridOverlay::linePosition(int(index), spacing);
        const double edge = length - 1;
        return std::abs(v - edge) <= std::abs(v - line) ? edge : line;
    };
    return {axis(at.x(), canvas.width()), axis(at.y(), canvas.height())};
}

void GridSettings::readLines(const QList<QByteArray>& lines)
{
    *this = GridSettings();
    int value = 0;
    if (valueOf(lines, ShownKey, 0, 1, value))
        shown = value == 1;
    if (valueOf(lines, SnapKey, 0, 1, value))
        snap = value == 1;
    valueOf(lines, CentimetresKey, 1, MaxCentimetres, spacingCentimetres);
    valueOf(lines, PixelsKey, MinPixels, MaxPixels, spacingPixels);
}

QByteArray GridSettings::lines() const
{
    const auto line = [](const char* key, int value) { return QByteArray(key) + '=' + QByteArray::number(value) + "\r\n"; };
    return line(ShownKey, shown ? 1 : 0) + line(SnapKey, snap ? 1 : 0) + line(CentimetresKey, spacingCentimetres)
        + line(PixelsKey, spacingPixels);
}
