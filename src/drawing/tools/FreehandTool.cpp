#include "drawing/tools/FreehandTool.h"

#include "core/Algemeen.h"
#include "plan/Floor.h"
#include "image/Primitives.h"

QRect FreehandTool::paintAt(ToolCanvas& canvas, QPointF at)
{
    Algemeen& s = canvas.state();
    Pen pen = canvas.floor.pen;
    pen.invert = false;
    const QRect changed
        = drawLine(canvas.floor.image, pixelAt(s.StartX, s.StartY), pixelAt(at.x(), at.y()), canvas.drawingColour(), pen);
    s.StartX = float(at.x());
    s.StartY = float(at.y());
    return changed;
}
