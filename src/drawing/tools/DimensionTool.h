#pragma once

#include "drawing/tools/TwoPointTool.h"

// Horizontal and vertical dimension lines with end ticks, arrowheads or both
// (arrow style 1, 2, 3). A drag within 5 pixels of level snaps to the start's
// row, one within 5 pixels of plumb to its column; any other drag is refused.
class DimensionTool : public TwoPointTool {
public:
    DimensionTool() : TwoPointTool(RubberBand::InvertedLine) {}

protected:
    QRect finish(ToolCanvas& canvas, const PointerPoints& points) override;
};
