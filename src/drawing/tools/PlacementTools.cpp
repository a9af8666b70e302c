#include "drawing/tools/PlacementTools.h"

#include "drawing/PointerEngine.h"
#include "drawing/tools/SymbolTool.h"
#include "drawing/tools/TextTool.h"

void registerPlacementTools(PointerEngine& engine, const PictureLibrary& library)
{
    engine.registerTool(5, std::make_unique<TextTool>());
    for (int tool = 9; tool <= 19; ++tool)
        engine.registerTool(tool, std::make_unique<SymbolTool>(library));
    engine.registerTool(30, std::make_unique<SymbolTool>(library));
}
