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
    engine.registerTool(ToolKind::Freehand, std::make_unique<FreehandTool>());
    engine.registerTool(ToolKind::Line, std::make_unique<LineTool>());
    engine.registerTool(ToolKind::Rectangle, std::make_unique<RectangleTool>());
    engine.registerTool(ToolKind::Dimension, std::make_unique<DimensionTool>());
    engine.registerTool(ToolKind::Eraser, std::make_unique<EraserTool>());
    engine.registerTool(ToolKind::Spray, std::make_unique<SprayTool>());
    engine.registerTool(ToolKind::Fill, std::make_unique<FillTool>());
}
