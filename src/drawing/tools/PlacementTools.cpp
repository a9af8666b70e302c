#include "drawing/tools/PlacementTools.h"

#include "drawing/PointerEngine.h"
#include "drawing/tools/SymbolTool.h"
#include "drawing/tools/TextTool.h"

void registerPlacementTools(PointerEngine& engine, const PictureLibrary& library)
{
    engine.registerTool(ToolKind::Text, std::make_unique<TextTool>());
    for (int i = 0; i < ToolKindCount; ++i) {
        const ToolKind tool = ToolKind(i);
        if (toolProperties(tool).placesLibrarySymbol || tool == ToolKind::ImportedIcon)
            engine.registerTool(tool, std::make_unique<SymbolTool>(library));
    }
}
