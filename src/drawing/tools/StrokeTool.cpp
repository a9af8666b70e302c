#include "drawing/tools/StrokeTool.h"

QRect StrokeTool::press(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    return m_paintsOnPress ? paintAt(canvas, at) : QRect();
}

QRect StrokeTool::move(ToolCanvas& canvas, QPointF at, Qt::MouseButtons)
{
    return paintAt(canvas, at);
}
