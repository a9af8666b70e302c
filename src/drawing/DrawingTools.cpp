#include "drawing/DrawingTools.h"

#include "drawing/DimensionTool.h"
#include "drawing/EraserTool.h"
#include "drawing/FillTool.h"
#include "drawing/FreehandTool.h"
#include "drawing/LineTool.h"
#include "drawing/PointerEngine.h"
#include "drawing/RectangleTool.h"
#include "drawing/SprayTool.h"

void registerDrawingTools(PointerEngine& engine)
{
    engine.registerTool(1, std::make_unique<FreehandTool>());
    engine.registerTool(2, std::make_unique<LineTool>());
    engine.registerTool(3, std::make_unique<RectangleTool>());
    engine.registerTool(4, std::make_unique<DimensionTool>());
    engine.registerTool(6, std::make_unique<EraserTool>());
    engine.registerTool(7, std::make_unique<SprayTool>());
    engine.registerTool(8, std::make_unique<FillTool>());
}
