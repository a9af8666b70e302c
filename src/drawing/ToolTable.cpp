#include "drawing/ToolTable.h"

#include <algorithm>
#include <array>

namespace {
// A tool without a hint of its own shows the information line's idle text.
const QString NoHint = QStringLiteral("Informatie...");

// In the order of the buttons.
const std::array<ToolEntry, ToolCount>& table()
{
    static const std::array<ToolEntry, ToolCount> entries{{
        {ToolKind::Freehand, QStringLiteral("Freeform"), QStringLiteral("Tekenkleur met de drie linker scrollbalkjes in te stellen."), 5, -1},
        {ToolKind::Line, QStringLiteral("Lijnen"), QStringLiteral("Stippellijnen allen bij een lijndikte van 1 pixel."), 5, -1},
        {ToolKind::Rectangle, QStringLiteral("Rechthoeken"), QStringLiteral("Stippellijnen allen bij een lijndikte van 1 pixel."), 6, -1},
        {ToolKind::Dimension, QStringLiteral("Maatpijlen"), QStringLiteral("Voor horizontale en vertikale maatpijlen"), 3, 8},
        {ToolKind::Text, QStringLiteral("Tekst plaatsen"), QStringLiteral("Typ een tekst of getal in het venster..."), 0, 0},
        {ToolKind::Eraser, QStringLiteral("Erase"), QStringLiteral("Grootte kan worden ingesteld van 5 t/m 30 pixels."), 0, 0},
        {ToolKind::Spray, QStringLiteral("Spray"), NoHint, 0, 0},
        {ToolKind::Fill, QStringLiteral("Fill"), QStringLiteral("Alleen vullen binnen vlakken met een zwarte rand."), 0, 0},
        {ToolKind::DirectionArrows, QStringLiteral("Richtingspijlen"), NoHint, 10, 79},
        {ToolKind::Stairs, QStringLiteral("Trappen"), NoHint, 10, 129},
        {ToolKind::Windows, QStringLiteral("Ramen"), NoHint, 8, 49},
        {ToolKind::Doors, QStringLiteral("Deuren"), NoHint, 10, 39},
        {ToolKind::Sanitary, QStringLiteral("Sanitair"), NoHint, 8, 14},
        {ToolKind::Kitchen, QStringLiteral("Keukenapparatuur"), NoHint, 9, 24},
        {ToolKind::Furniture, QStringLiteral("Meubilair"), NoHint, 3, 59},
        {ToolKind::CavityWallCorner, QStringLiteral("Hoek spouwmuur"), NoHint, 4, 99},
        {ToolKind::CavityWallTee, QStringLiteral("T-stuk spouwmuur"), NoHint, 8, 103},
        {ToolKind::SingleBrickWall, QStringLiteral("Enkelsteens"), NoHint, 8, 111},
        {ToolKind::Walls, QStringLiteral("Muren"), NoHint, 6, 119},
        {ToolKind::LibraryOverview, QStringLiteral("Show alles"), QStringLiteral("Dit zijn alle onderdelen uit de bibliotheek."), 0, 0},
    }};
    return entries;
}
} // namespace

ToolKind toolOfButton(int index)
{
    if (index < 1 || index > ToolCount)
        return ToolKind::None;
    return table()[size_t(index - 1)].kind;
}

const ToolEntry& toolEntry(ToolKind tool)
{
    static const ToolEntry none;
    const auto& entries = table();
    const auto found = std::find_if(entries.begin(), entries.end(), [tool](const ToolEntry& e) { return e.kind == tool; });
    return found == entries.end() ? none : *found;
}

QString changeName(ToolKind tool)
{
    switch (tool) {
    case ToolKind::None: return QStringLiteral("klik");
    case ToolKind::Freehand: return QStringLiteral("vrije lijn");
    case ToolKind::Line: return QStringLiteral("lijn");
    case ToolKind::Rectangle: return QStringLiteral("rechthoek");
    case ToolKind::Dimension: return QStringLiteral("maatpijl");
    case ToolKind::Text: return QStringLiteral("tekst");
    case ToolKind::Eraser: return QStringLiteral("gum");
    case ToolKind::Spray: return QStringLiteral("spray");
    case ToolKind::Fill: return QStringLiteral("vulling");
    case ToolKind::DirectionArrows: return QStringLiteral("richtingspijl");
    case ToolKind::Stairs: return QStringLiteral("trap");
    case ToolKind::Windows: return QStringLiteral("raam");
    case ToolKind::Doors: return QStringLiteral("deur");
    case ToolKind::Sanitary: return QStringLiteral("sanitair");
    case ToolKind::Kitchen: return QStringLiteral("keukenapparatuur");
    case ToolKind::Furniture: return QStringLiteral("meubel");
    case ToolKind::CavityWallCorner: return QStringLiteral("hoek spouwmuur");
    case ToolKind::CavityWallTee: return QStringLiteral("T-stuk spouwmuur");
    case ToolKind::SingleBrickWall: return QStringLiteral("enkelsteens muur");
    case ToolKind::Walls: return QStringLiteral("muur");
    case ToolKind::LibraryOverview: return QStringLiteral("overzicht bibliotheek");
    case ToolKind::ImportedIcon: return QStringLiteral("icon");
    }
    return {};
}
