#include "drawing/tools/Tool.h"

#include "plan/PlanScale.h"

#include "core/AppContext.h"

Algemeen& ToolCanvas::state() const
{
    return app.state;
}

QRgb ToolCanvas::drawingColour() const
{
    const Algemeen& s = app.state;
    return qRgb(s.ColorRed, s.ColorGreen, s.ColorBlue);
}

bool ToolCanvas::scaleOn() const
{
    return scale && scale->isOn();
}

QRect Tool::press(ToolCanvas&, QPointF, Qt::MouseButtons)
{
    return {};
}

QRect Tool::move(ToolCanvas&, QPointF, Qt::MouseButtons)
{
    return {};
}

QRect Tool::release(ToolCanvas&, QPointF, Qt::MouseButtons)
{
    return {};
}
