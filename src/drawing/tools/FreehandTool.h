#pragma once

#include "drawing/tools/StrokeTool.h"

// Freehand: a chain of segments in the drawing colour, one per move, each from
// the end of the stroke so far (the press point, then the previous move) to
// the pointer.
class FreehandTool : public StrokeTool {
public:
    FreehandTool() : StrokeTool(false) {}

protected:
    QRect paintAt(ToolCanvas& canvas, const PointerPoints& points) override;
};
