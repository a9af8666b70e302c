#include "drawing/tools/StrokeTool.h"

QRect StrokeTool::press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    return m_paintsOnPress ? paintAt(canvas, points) : QRect();
}

QRect StrokeTool::move(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons)
{
    return paintAt(canvas, points);
}
