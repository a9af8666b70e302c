#include "drawing/tools/RectangleTool.h"

#include "core/Algemeen.h"
#include "plan/Floor.h"
#include "image/Primitives.h"

namespace {
constexpr int DoubleLineOption = 6;
constexpr int DoubleLineWidth = 3;
constexpr int DoubleLineGap = 4;
} // namespace

QRect RectangleTool::finish(ToolCanvas& canvas, QPointF end)
{
    const Algemeen& s = canvas.state();
    if (!(end.x() > s.StartX && end.y() > s.StartY))
        return {};
    Floor& floor = canvas.floor;
    const QPoint start = startPixel(canvas);
    const QPoint corner = pixelAt(end.x(), end.y());
    const QRgb black = qRgb(0, 0, 0);
    if (s.ChosenOption != DoubleLineOption)
        return drawBox(floor.image, start, corner, black, floor.pen);

    // The width stays at 3 until the next option or tool click.
    floor.pen.width = DoubleLineWidth;
    const QPoint gap(DoubleLineGap, DoubleLineGap);
    QRect changed = drawBox(floor.image, start, corner, black, floor.pen);
    changed |= drawBox(floor.image, start + gap, corner - gap, black, floor.pen);
    return changed;
}
