#include "drawing/tools/FreehandTool.h"

#include "plan/Floor.h"
#include "image/Primitives.h"

QRect FreehandTool::paintAt(ToolCanvas& canvas, const PointerPoints& points)
{
    Pen pen = canvas.floor.pen;
    pen.invert = false;
    // The previous point's y is a whole pixel, the one it rounds to anyway.
    return drawLine(canvas.floor.image, pixelAt(points.last.x(), points.last.y()),
                    pixelAt(points.current.x(), points.current.y()), canvas.drawingColour(), pen);
}
