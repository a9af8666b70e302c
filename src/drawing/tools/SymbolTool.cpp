#include "drawing/tools/SymbolTool.h"

#include "core/AppContext.h"
#include "plan/Plan.h"
#include "image/PictureLibrary.h"
#include "image/Primitives.h"
#include "image/RasterOp.h"

namespace {
// The picture hangs up and to the left of the pointer, clear of the hand.
const QPoint Anchor(36, 36);
} // namespace

SymbolTool::SymbolTool(const PictureLibrary& library) : m_library(library)
{
}

QRect SymbolTool::click(ToolCanvas& canvas, QPointF at)
{
    const ToolChoice& choice = canvas.plan.toolChoice;
    canvas.app.playSound(QStringLiteral("klik.wav"));
    const QPoint p = pixelAt(at.x(), at.y());
    QImage& image = canvas.floor.image;
    QRect changed;
    if (toolProperties(choice.current).opensWall)
        changed = fillBox(image, p - QPoint(34, 34), p - QPoint(7, 7), qRgb(255, 255, 255));
    const QImage symbol = choice.current == ToolKind::ImportedIcon ? canvas.plan.importedIcon
                                                                   : m_library.picture(choice.optionBase + choice.chosenOption);
    const RasterOp op = rasterOpFromText(choice.rasterOpText).value_or(RasterOp::And);
    return changed | blitRaster(image, symbol, p - Anchor, op);
}
