#include "drawing/tools/EraserTool.h"

#include "plan/Plan.h"
#include "image/Primitives.h"

QRect EraserTool::paintAt(ToolCanvas& canvas, const PointerPoints& points)
{
    const int size = canvas.plan.toolChoice.eraserSize;
    const QPoint corner = pixelAt(points.current.x() + 10, points.current.y() - 8);
    return fillBox(canvas.floor.image, corner, corner + QPoint(size - 1, size - 1), qRgb(255, 255, 255));
}
