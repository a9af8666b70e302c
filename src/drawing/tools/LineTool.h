#pragma once

#include "drawing/tools/TwoPointTool.h"

// Straight lines: always black, with the canvas's width and style.
class LineTool : public TwoPointTool {
public:
    LineTool() : TwoPointTool(RubberBand::InvertedLine) {}

protected:
    QRect finish(ToolCanvas& canvas, const PointerPoints& points) override;
};
