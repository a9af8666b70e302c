#pragma once

#include "drawing/tools/StrokeTool.h"

// The eraser: a white square of the chosen eraser size with its top-left corner at
// (x + 10, y - 8), exactly under the grey Gum outline; on the press (any
// button) and at every move. Fast moves leave gaps between the squares.
class EraserTool : public StrokeTool {
public:
    EraserTool() : StrokeTool(true) {}

protected:
    QRect paintAt(ToolCanvas& canvas, const PointerPoints& points) override;
};
