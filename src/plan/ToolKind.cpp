#include "plan/ToolKind.h"

#include <array>

namespace {
// Lines, rectangles and dimensions align the pointer itself; text the corner
// 14 pixels to its right; a symbol its top-left corner 36 pixels up and left.
constexpr QPointF AtPointer(0, 0);
constexpr QPointF TextCorner(14, 0);
constexpr QPointF SymbolCorner(-36, -36);
constexpr std::optional<QPointF> NoSnap;

constexpr std::array<ToolProperties, ToolKindCount> Table{{
    // kind                         snap anchor    widths dotted symbol magnifier opens wall
    {ToolKind::None,                NoSnap,        false, false, false, false,    false},
    {ToolKind::Freehand,            NoSnap,        true,  false, false, false,    false},
    {ToolKind::Line,                AtPointer,     true,  true,  false, false,    false},
    {ToolKind::Rectangle,           AtPointer,     true,  true,  false, false,    false},
    {ToolKind::Dimension,           AtPointer,     false, false, false, false,    false},
    {ToolKind::Text,                TextCorner,    false, false, false, false,    false},
    {ToolKind::Eraser,              NoSnap,        false, false, false, false,    false},
    {ToolKind::Spray,               NoSnap,        false, false, false, false,    false},
    {ToolKind::Fill,                NoSnap,        false, false, false, false,    false},
    {ToolKind::DirectionArrows,     SymbolCorner,  false, false, true,  true,     false},
    {ToolKind::Stairs,              SymbolCorner,  false, false, true,  true,     false},
    {ToolKind::Windows,             SymbolCorner,  false, false, true,  true,     true},
    {ToolKind::Doors,               SymbolCorner,  false, false, true,  true,     true},
    {ToolKind::Sanitary,            SymbolCorner,  false, false, true,  true,     false},
    {ToolKind::Kitchen,             SymbolCorner,  false, false, true,  true,     false},
    {ToolKind::Furniture,           SymbolCorner,  false, false, true,  true,     false},
    {ToolKind::CavityWallCorner,    SymbolCorner,  false, false, true,  false,    false},
    {ToolKind::CavityWallTee,       SymbolCorner,  false, false, true,  false,    false},
    {ToolKind::SingleBrickWall,     SymbolCorner,  false, false, true,  false,    false},
    {ToolKind::Walls,               SymbolCorner,  false, false, true,  false,    false},
    {ToolKind::LibraryOverview,     NoSnap,        false, false, false, false,    false},
    {ToolKind::ImportedIcon,        SymbolCorner,  false, false, false, true,     false},
}};

constexpr bool inEnumOrder()
{
    for (int i = 0; i < ToolKindCount; ++i) {
        if (Table[size_t(i)].kind != ToolKind(i))
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "one row per tool, in the order of ToolKind");
} // namespace

const ToolProperties& toolProperties(ToolKind tool)
{
    return Table[size_t(tool)];
}
