#include "drawing/ToolTable.h"

#include <array>

namespace {
// A tool without a hint of its own shows the information line's idle text.
const QString NoHint = QStringLiteral("Informatie...");

const std::array<ToolEntry, ToolCount>& table()
{
    static const std::array<ToolEntry, ToolCount> entries{{
        {QStringLiteral("Freeform"), QStringLiteral("Tekenkleur met de drie linker scrollbalkjes in te stellen."), 5, -1},
        {QStringLiteral("Lijnen"), QStringLiteral("Stippellijnen allen bij een lijndikte van 1 pixel."), 5, -1},
        {QStringLiteral("Rechthoeken"), QStringLiteral("Stippellijnen allen bij een lijndikte van 1 pixel."), 6, -1},
        {QStringLiteral("Maatpijlen"), QStringLiteral("Voor horizontale en vertikale maatpijlen"), 3, 8},
        {QStringLiteral("Tekst plaatsen"), QStringLiteral("Typ een tekst of getal in het venster..."), 0, 0},
        {QStringLiteral("Erase"), QStringLiteral("Grootte kan worden ingesteld van 5 t/m 30 pixels."), 0, 0},
        {QStringLiteral("Spray"), NoHint, 0, 0},
        {QStringLiteral("Fill"), QStringLiteral("Alleen vullen binnen vlakken met een zwarte rand."), 0, 0},
        {QStringLiteral("Richtingspijlen"), NoHint, 10, 79},
        {QStringLiteral("Trappen"), NoHint, 10, 129},
        {QStringLiteral("Ramen"), NoHint, 8, 49},
        {QStringLiteral("Deuren"), NoHint, 10, 39},
        {QStringLiteral("Sanitair"), NoHint, 8, 14},
        {QStringLiteral("Keukenapparatuur"), NoHint, 9, 24},
        {QStringLiteral("Meubilair"), NoHint, 3, 59},
        {QStringLiteral("Hoek spouwmuur"), NoHint, 4, 99},
        {QStringLiteral("T-stuk spouwmuur"), NoHint, 8, 103},
        {QStringLiteral("Enkelsteens"), NoHint, 8, 111},
        {QStringLiteral("Muren"), NoHint, 6, 119},
        {QStringLiteral("Show alles"), QStringLiteral("Dit zijn alle onderdelen uit de bibliotheek."), 0, 0},
    }};
    return entries;
}
} // namespace

const ToolEntry& toolEntry(int index)
{
    static const ToolEntry none;
    if (index < 1 || index > ToolCount)
        return none;
    return table()[size_t(index - 1)];
}
