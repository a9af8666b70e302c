#pragma once

#include <QMetaType>
#include <QPointF>

#include <optional>

// What the pointer does on a canvas: nothing, one of the palette's twenty
// tools, or placing the imported icon.
enum class ToolKind {
    None,
    Freehand,
    Line,
    Rectangle,
    Dimension,
    Text,
    Eraser,
    Spray,
    Fill,
    DirectionArrows,
    Stairs,
    Windows,
    Doors,
    Sanitary,
    Kitchen,
    Furniture,
    CavityWallCorner,
    CavityWallTee,
    SingleBrickWall,
    Walls,
    LibraryOverview,
    ImportedIcon,
};
Q_DECLARE_METATYPE(ToolKind)

constexpr int ToolKindCount = int(ToolKind::ImportedIcon) + 1;

// How a tool behaves wherever that matters outside the tool itself.
struct ToolProperties {
    ToolKind kind = ToolKind::None;
    // From the pointer to the point the tool places by; "Uitlijnen op raster"
    // puts that point on the grid. None: the tool never aligns to the grid.
    std::optional<QPointF> snapAnchor;
    // Its options are line widths 1, 2, 3...
    bool takesLineWidths = false;
    // "Onafgebroken lijn" or "Stippellijn" beside the widths.
    bool offersDottedLine = false;
    // Its options are library pictures, stamped where the user clicks.
    bool placesLibrarySymbol = false;
    // The symbol is big enough that the magnifier looks where it lands
    // rather than at the pointer.
    bool shiftsMagnifier = false;
    // Clears the wall under its opening before it is placed.
    bool opensWall = false;
};

const ToolProperties& toolProperties(ToolKind tool);
