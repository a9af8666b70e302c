#include "drawing/tools/FillTool.h"

#include "core/AppContext.h"
#include "plan/PlanScale.h"
#include "plan/Floor.h"
#include "image/FloodFill.h"
#include "image/Primitives.h"

QRect FillTool::click(ToolCanvas& canvas, QPointF at)
{
    qsizetype filled = 0;
    const QRect changed = floodFill(canvas.floor.image, pixelAt(at.x(), at.y()), canvas.drawingColour(), &filled);
    // With a scale the filled room's area is worth knowing; without one nothing is said.
    if (canvas.scaleOn() && filled > 0)
        canvas.app.showInfoText(PlanScale::areaText(canvas.scale->squareMetres(filled)));
    return changed;
}
