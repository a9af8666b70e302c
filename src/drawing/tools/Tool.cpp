#include "drawing/tools/Tool.h"

#include "plan/PlanScale.h"

#include "core/AppContext.h"

QRgb ToolCanvas::drawingColour() const
{
    return app.settings.drawingColour();
}

bool ToolCanvas::scaleOn() const
{
    return scale && scale->isOn();
}

QRect Tool::press(ToolCanvas&, const PointerPoints&, Qt::MouseButtons)
{
    return {};
}

QRect Tool::move(ToolCanvas&, const PointerPoints&, Qt::MouseButtons)
{
    return {};
}

QRect Tool::release(ToolCanvas&, const PointerPoints&, Qt::MouseButtons)
{
    return {};
}
