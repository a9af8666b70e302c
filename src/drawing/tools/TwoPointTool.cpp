#include "drawing/tools/TwoPointTool.h"

#include "core/AppContext.h"
#include "plan/PlanScale.h"
#include "drawing/tools/DecimalText.h"
#include "plan/Plan.h"
#include "image/Primitives.h"

#include <algorithm>

QPoint TwoPointTool::startPixel(const PointerPoints& points)
{
    return pixelAt(points.press.x(), points.press.y());
}

QRect TwoPointTool::press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    if (m_band == RubberBand::InvertedLine) {
        canvas.floor.pen.invert = true;
    } else {
        Overlays& o = canvas.floor.overlays;
        o.layer = QRect(pixelAt(points.current.x(), points.current.y()), QSize(0, 0));
        o.layerVisible = true;
    }
    return {};
}

QRect TwoPointTool::move(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    Floor& floor = canvas.floor;
    const QPoint start = startPixel(points);
    const QPointF at = points.current;
    if (m_band == RubberBand::InvertedLine) {
        QRect changed = drawLine(floor.image, start, pixelAt(points.last.x(), points.last.y()), floor.foreColour, floor.pen);
        changed |= drawLine(floor.image, start, pixelAt(at.x(), at.y()), floor.foreColour, floor.pen);
        return changed;
    }
    const float startX = float(points.press.x());
    const float startY = float(points.press.y());
    const float x = std::max(float(at.x()), startX);
    const float y = std::max(float(at.y()), startY);
    const QPoint corner = pixelAt(x, y);
    floor.overlays.layer = QRect(start, QSize(corner.x() - start.x() + 1, corner.y() - start.y() + 1));
    QString size = QStringLiteral("Breedte = ") + decimalText(x - startX) + QStringLiteral(", Hoogte = ")
        + decimalText(y - startY);
    if (canvas.scaleOn())
        size += QStringLiteral("  (") + PlanScale::metresText(canvas.scale->metres(x - startX)) + QStringLiteral(" x ")
            + PlanScale::metresText(canvas.scale->metres(y - startY)) + QLatin1Char(')');
    canvas.app.showInfoText(size);
    return {};
}

QRect TwoPointTool::release(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    const QRect changed = finish(canvas, points);
    if (m_band == RubberBand::Frame)
        canvas.floor.overlays.layerVisible = false;
    return changed;
}
