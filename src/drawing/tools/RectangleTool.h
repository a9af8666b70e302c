#pragma once

#include "drawing/tools/TwoPointTool.h"

// Black rectangles, single or double, drawn only when released right of and
// below the start point.
class RectangleTool : public TwoPointTool {
public:
    RectangleTool() : TwoPointTool(RubberBand::Frame) {}

protected:
    QRect finish(ToolCanvas& canvas, const PointerPoints& points) override;
};
