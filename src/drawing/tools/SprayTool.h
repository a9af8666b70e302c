#pragma once

#include "drawing/tools/StrokeTool.h"

#include <functional>

// Spray: one dot per move in the drawing colour, on the short diagonal from
// four pixels up-left of the pointer to the pointer itself.
class SprayTool : public StrokeTool {
public:
    // `random` gives a number in [0, 1) per dot; by default a generator
    // seeded afresh from the clock at every move.
    explicit SprayTool(std::function<double()> random = {});

protected:
    QRect paintAt(ToolCanvas& canvas, const PointerPoints& points) override;

private:
    std::function<double()> m_random;
};
