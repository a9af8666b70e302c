#include "drawing/tools/DrawingTools.h"

#include "drawing/PointerEngine.h"
#include "drawing/tools/DimensionTool.h"
#include "drawing/tools/EraserTool.h"
#include "drawing/tools/FillTool.h"
#include "drawing/tools/FreehandTool.h"
#include "drawing/tools/LineTool.h"
#include "drawing/tools/RectangleTool.h"
#include "drawing/tools/SprayTool.h"

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
