#include "drawing/tools/LineTool.h"

#include "plan/Floor.h"
#include "image/Primitives.h"

QRect LineTool::finish(ToolCanvas& canvas, const PointerPoints& points)
{
    const QPointF end = points.current;
    // The rubber band of the last move lies under this line when the release
    // point equals the last move point, so the black covers it exactly.
    return drawLine(canvas.floor.image, startPixel(points), pixelAt(end.x(), end.y()), qRgb(0, 0, 0),
                    canvas.floor.pen);
}
