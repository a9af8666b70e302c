#include "drawing/FillTool.h"

#include "floors/Floor.h"
#include "image/FloodFill.h"
#include "image/Primitives.h"

QRect FillTool::click(ToolCanvas& canvas, QPointF at)
{
    return floodFill(canvas.floor.image, pixelAt(at.x(), at.y()), canvas.drawingColour());
}
