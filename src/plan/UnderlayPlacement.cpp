#include "plan/UnderlayPlacement.h"

#include "plan/PlanScale.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

bool UnderlayPlacement::isValid() const
{
    return std::isfinite(scale) && scale >= MinScale && scale <= MaxScale && std::isfinite(angle)
        && std::abs(angle) <= 360.0 && std::isfinite(offset.x()) && std::isfinite(offset.y())
        && std::abs(offset.x()) <= MaxOffset && std::abs(offset.y()) <= MaxOffset;
}

QTransform UnderlayPlacement::transform() const
{
    QTransform t;
    t.translate(offset.x(), offset.y());
    t.rotate(angle);
    t.scale(scale, scale);
    return t;
}

void UnderlayPlacement::fit(QSizeF source, QSize canvas)
{
    angle = 0.0;
    scale = std::clamp(std::min(canvas.width() / source.width(), canvas.height() / source.height()), MinScale,
                       MaxScale);
    offset = QPointF((canvas.width() - source.width() * scale) / 2, (canvas.height() - source.height() * scale) / 2);
}

bool UnderlayPlacement::calibrate(QPointF first, QPointF second, double canvasPixels)
{
    const double shown = QLineF(first, second).length();
    if (shown < 1.0 || !(canvasPixels > 0.0))
        return false;
    const double factor = canvasPixels / shown;
    if (scale * factor < MinScale || scale * factor > MaxScale)
        return false;
    // The first point stays where the user clicked it.
    scale *= factor;
    offset = first + (offset - first) * factor;
    return true;
}

bool UnderlayPlacement::straighten(QPointF first, QPointF second)
{
    const QLineF line(first, second);
    if (line.length() < 1.0)
        return false;
    // QLineF counts its angle anticlockwise; the canvas's y runs downwards.
    const double drawn = -line.angle();
    const double wanted = std::round(drawn / 90.0) * 90.0;
    const double turn = wanted - drawn;
    const QPointF middle = line.center();
    QTransform about;
    about.translate(middle.x(), middle.y());
    about.rotate(turn);
    about.translate(-middle.x(), -middle.y());
    offset = about.map(offset);
    angle = std::remainder(angle + turn, 360.0);
    return true;
}

std::optional<double> UnderlayPlacement::readMetres(const QString& text)
{
    bool ok = false;
    const double metres = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(metres) || metres <= 0.0)
        return std::nullopt;
    return metres;
}

int UnderlayPlacement::fittingCentimetresPerPixel(QSizeF source, double metresPerPixel, QSize canvas)
{
    const double across = source.width() * metresPerPixel * 100.0 / canvas.width();
    const double down = source.height() * metresPerPixel * 100.0 / canvas.height();
    return std::clamp(int(std::ceil(std::max(across, down) - 1e-9)), 1, PlanScale::MaxCentimetresPerPixel);
}
