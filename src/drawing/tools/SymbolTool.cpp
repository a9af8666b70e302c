#include "drawing/tools/SymbolTool.h"

#include "core/AppContext.h"
#include "plan/Plan.h"
#include "image/PictureLibrary.h"
#include "image/Primitives.h"
#include "image/RasterOp.h"

namespace {
constexpr int IconTool = 30;
// The picture hangs up and to the left of the pointer, clear of the hand.
const QPoint Anchor(36, 36);

// Windows and doors replace the wall they sit in.
bool opensWall(int tool) { return tool == 11 || tool == 12; }
} // namespace

SymbolTool::SymbolTool(const PictureLibrary& library) : m_library(library)
{
}

QRect SymbolTool::click(ToolCanvas& canvas, QPointF at)
{
    const Algemeen& state = canvas.state();
    canvas.app.playSound(QStringLiteral("klik.wav"));
    const QPoint p = pixelAt(at.x(), at.y());
    QImage& image = canvas.floor.image;
    QRect changed;
    if (opensWall(state.CurrentTool))
        changed = fillBox(image, p - QPoint(34, 34), p - QPoint(7, 7), qRgb(255, 255, 255));
    const QImage symbol = state.CurrentTool == IconTool ? canvas.floors.importedIcon
                                                        : m_library.picture(state.OptionBase + state.ChosenOption);
    const RasterOp op = rasterOpFromText(state.RasterOpText).value_or(RasterOp::And);
    return changed | blitRaster(image, symbol, p - Anchor, op);
}
