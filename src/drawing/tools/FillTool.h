#pragma once

#include "drawing/tools/ClickTool.h"

// Fills the area round the click with the drawing colour, up to black.
class FillTool : public ClickTool {
protected:
    QRect click(ToolCanvas& canvas, QPointF at) override;
};
