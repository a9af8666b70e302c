#include "drawing/tools/TwoPointTool.h"

#include "core/AppContext.h"
#include "plan/PlanScale.h"
#include "drawing/tools/DecimalText.h"
#include "plan/Plan.h"
#include "image/Primitives.h"

#include <algorithm>
#include <cmath>

QPoint TwoPointTool::startPixel(const ToolCanvas& canvas)
{
    return pixelAt(canvas.state().StartX, canvas.state().StartY);
}

QRect TwoPointTool::press(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    Algemeen& s = canvas.state();
    if (m_band == RubberBand::InvertedLine) {
        s.LastX = s.StartX;
        s.LastY = qint32(std::lrint(s.StartY));
        canvas.floor.pen.invert = true;
    } else {
        Overlays& o = canvas.floor.overlays;
        o.layer = QRect(pixelAt(at.x(), at.y()), QSize(0, 0));
        o.layerVisible = true;
    }
    return {};
}

QRect TwoPointTool::move(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    Floor& floor = canvas.floor;
    const Algemeen& s = canvas.state();
    const QPoint start = startPixel(canvas);
    if (m_band == RubberBand::InvertedLine) {
        QRect changed = drawLine(floor.image, start, pixelAt(s.LastX, s.LastY), floor.foreColour, floor.pen);
        changed |= drawLine(floor.image, start, pixelAt(at.x(), at.y()), floor.foreColour, floor.pen);
        return changed;
    }
    const float x = std::max(float(at.x()), s.StartX);
    const float y = std::max(float(at.y()), s.StartY);
    const QPoint corner = pixelAt(x, y);
    floor.overlays.layer = QRect(start, QSize(corner.x() - start.x() + 1, corner.y() - start.y() + 1));
    QString size = QStringLiteral("Breedte = ") + decimalText(x - s.StartX) + QStringLiteral(", Hoogte = ")
        + decimalText(y - s.StartY);
    if (canvas.scaleOn())
        size += QStringLiteral("  (") + PlanScale::metresText(canvas.scale->metres(x - s.StartX)) + QStringLiteral(" x ")
            + PlanScale::metresText(canvas.scale->metres(y - s.StartY)) + QLatin1Char(')');
    canvas.app.ShowInfoText(size);
    return {};
}

QRect TwoPointTool::release(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    const QRect changed = finish(canvas, at);
    if (m_band == RubberBand::Frame)
        canvas.floor.overlays.layerVisible = false;
    return changed;
}
