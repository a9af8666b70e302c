#include "drawing/tools/ClickTool.h"

QRect ClickTool::press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    return click(canvas, points.current);
}
