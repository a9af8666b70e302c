#include "drawing/tools/RectangleTool.h"

#include "plan/Plan.h"
#include "image/Primitives.h"

namespace {
constexpr int DoubleLineOption = 6;
constexpr int DoubleLineWidth = 3;
constexpr int DoubleLineGap = 4;
} // namespace

QRect RectangleTool::finish(ToolCanvas& canvas, const PointerPoints& points)
{
    const QPointF end = points.current;
    if (!(end.x() > points.press.x() && end.y() > points.press.y()))
        return {};
    Floor& floor = canvas.floor;
    const QPoint start = startPixel(points);
    const QPoint corner = pixelAt(end.x(), end.y());
    const QRgb black = qRgb(0, 0, 0);
    if (canvas.plan.toolChoice.chosenOption != DoubleLineOption)
        return drawBox(floor.image, start, corner, black, floor.pen);

    // The width stays at 3 until the next option or tool click.
    floor.pen.width = DoubleLineWidth;
    const QPoint gap(DoubleLineGap, DoubleLineGap);
    QRect changed = drawBox(floor.image, start, corner, black, floor.pen);
    changed |= drawBox(floor.image, start + gap, corner - gap, black, floor.pen);
    return changed;
}
