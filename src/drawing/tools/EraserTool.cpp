#include "drawing/tools/EraserTool.h"

#include "core/Algemeen.h"
#include "plan/Floor.h"
#include "image/Primitives.h"

QRect EraserTool::paintAt(ToolCanvas& canvas, QPointF at)
{
    const int size = canvas.state().EraserSize;
    const QPoint corner = pixelAt(at.x() + 10, at.y() - 8);
    return fillBox(canvas.floor.image, corner, corner + QPoint(size - 1, size - 1), qRgb(255, 255, 255));
}
