// The pictures on the twenty tool buttons: small coloured drawings of what
// each tool does. The plan-symbol tools show their own library symbols in
// colour, so the button and the symbols it offers belong together visibly.

#include "Art.h"
#include "Palette.h"
#include "PixelFont.h"
#include "Raster.h"
#include "ToolDrawings.h"
#include "WallPieces.h"

#include <algorithm>

namespace art {

namespace {
using namespace colours;

QImage textTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    drawText(image, 0, 9, QStringLiteral("Abc"), Blue, 2);
    hline(image, 0, 31, 25, Outline);
    return image;
}

QImage dimensionTool()
{
    QImage image = blank(SymbolSize, SymbolSize);
    fillBox(image, 4, 4, 27, 10, Stone);         // the wall being measured
    box(image, 4, 4, 27, 10, Outline);
    const int row = 20;
    hline(image, 4, 27, row, Red);
    vline(image, 4, row - 6, row + 5, Red);
    vline(image, 27, row - 6, row + 5, Red);
    for (int i = 0; i <= 3; ++i) {
        vline(image, 5 + i, row - i, row + i, Red);
        vline(image, 26 - i, row - i, row + i, Red);
    }
    dashedLine(image, 4, 11, 4, row - 7, 1, 1, Stone);
    dashedLine(image, 27, 11, 27, row - 7, 1, 1, Stone);
    return image;
}

// A library symbol in colour, with the areas it encloses filled in.
QImage colouredSymbol(const QImage& symbol, QRgb ink, QRgb fill, std::initializer_list<QPoint> fillSeeds)
{
    QImage image = tinted(symbol, ink);
    for (const QPoint& seed : fillSeeds) {
        if (image.pixel(seed) == fill) // reached already from an earlier seed
            continue;
        if (qAlpha(image.pixel(seed)) != 0) // a seed on a line would recolour the line
            qFatal("artgen: fill seed (%d, %d) is not inside an enclosed area", seed.x(), seed.y());
        floodFill(image, seed.x(), seed.y(), fill);
    }
    return image;
}

// Wall pieces in colour: the lines in `ink`, and the pixels the lines
// enclose (the cavity, the gaps of the hatching) in `inside`.
QImage colouredWall(const QImage& symbol, QRgb ink, QRgb inside)
{
    QImage image = tinted(symbol, ink);
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (qAlpha(symbol.pixel(x, y)) == 0
                && ((qAlpha(symbol.pixel(x - 1, y)) && qAlpha(symbol.pixel(x + 1, y)))
                    || (qAlpha(symbol.pixel(x, y - 1)) && qAlpha(symbol.pixel(x, y + 1)))))
                image.setPixel(x, y, inside);
    return image;
}

// A brick wall seen from the front, for the single-brick tool.
QImage brickWall()
{
    QImage image = blank(SymbolSize, SymbolSize);
    for (int row = 0; row < 5; ++row) {
        const int y = 4 + row * 5, shift = row % 2 ? 5 : 0;
        for (int x = 2 - shift; x < 30; x += 10)
            fillBox(image, std::max(x, 2), y, std::min(x + 8, 29), y + 3, row % 2 ? Brick : shade(Brick, 1.25));
    }
    addOutline(image, Stone); // the mortar round the bricks
    return image;
}

QImage showAll()
{
    QImage image = blank(SymbolSize, SymbolSize);
    const QRgb tiles[9] = {Sky, Cream, Rubber, Insulation, PaperWhite, Sky, Cream, Rubber, Insulation};
    for (int i = 0; i < 9; ++i) {
        const int x = 1 + (i % 3) * 10, y = 1 + (i / 3) * 10;
        fillBox(image, x, y, x + 9, y + 9, tiles[i]);
        box(image, x, y, x + 9, y + 9, Outline);
    }
    // A hint of a symbol in each tile: door, window, arrow; stair, ring, wall; ...
    circle(image, 3, 9, 5, Outline, TopRight);
    hline(image, 13, 18, 6, Outline);
    hline(image, 13, 18, 4, Outline);
    line(image, 24, 8, 28, 4, Outline);
    hline(image, 26, 28, 4, Outline);
    vline(image, 28, 4, 6, Outline);
    for (int y = 13; y <= 18; y += 2)
        hline(image, 3, 8, y, Outline);
    circle(image, 15, 15, 3, Outline);
    fillBox(image, 23, 14, 28, 16, Brick);
    box(image, 3, 23, 8, 28, Outline);
    line(image, 3, 23, 8, 28, Outline);
    fillEllipse(image, 13, 23, 18, 28, Blue);
    fillBox(image, 23, 23, 28, 28, Green);
    return image;
}

} // namespace

void drawToolButtons(const Library& library, Pictures& buttons)
{
    const QImage pictures[20] = {
        pencilTool(),
        lineTool(),
        rectangleTool(),
        dimensionTool(),
        textTool(),
        eraserTool(),
        sprayTool(),
        fillTool(),
        tinted(library.at(85), Red),
        stairTool(),
        windowTool(),
        doorTool(),
        bathTool(),
        colouredSymbol(library.at(26), Red, Metal, {{2, 2}}),
        sofaTool(),
        // The wall tools show their pieces moved up and left, so that the
        // junction sits in the middle of the button.
        colouredWall(wallPiece(ArmRight | ArmDown, {7, 13}, WallFill::Cavity), Brick, Insulation),
        colouredWall(wallPiece(ArmLeft | ArmRight | ArmDown, {8, 14}, WallFill::Cavity), Brick, Insulation),
        brickWall(),
        colouredWall(wallPiece(ArmRight | ArmDown, {7, 13}, WallFill::Hatched), Steel, Metal),
        showAll(),
    };
    for (int i = 0; i < 20; ++i)
        buttons[QStringLiteral("tool_%1").arg(i + 1, 2, 10, QLatin1Char('0'))] = pictures[i];
}

} // namespace art
