#include "drawing/tools/TextTool.h"

#include "core/AppContext.h"
#include "plan/Floor.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"

QRect TextTool::click(ToolCanvas& canvas, QPointF at)
{
    canvas.app.playSound(QStringLiteral("klik.wav"));
    const QPoint p = pixelAt(at.x(), at.y());
    Floor& floor = canvas.floor;
    return drawText(floor.image, p + QPoint(14, 0), floor.overlays.text, floor.font, floor.foreColour);
}
