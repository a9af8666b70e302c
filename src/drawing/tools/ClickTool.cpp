#include "drawing/tools/ClickTool.h"

QRect ClickTool::press(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    return click(canvas, at);
}
