#pragma once

#include "plan/ToolKind.h"

#include <QPointF>
#include <QSize>

struct GridSettings;
class PlanScale;

// "Uitlijnen op raster": moves a pointer position to the grid before the tool
// sees it. Lines, rectangles and dimensions take the nearest grid point for
// their press, every move (so the rubber band follows) and the release; a
// symbol, the imported icon and text put the corner they are placed by on the
// grid. Freehand, spray, eraser and fill always get the pointer as it is.
class GridSnap {
public:
    GridSnap(const GridSettings& grid, const PlanScale& scale) : m_grid(grid), m_scale(scale) {}

    // `at` as tool `tool` should see it on a canvas of `canvas`, with the
    // point the tool places by on that canvas; unchanged while snapping is off.
    QPointF apply(ToolKind tool, QPointF at, QSize canvas) const;

private:
    const GridSettings& m_grid;
    const PlanScale& m_scale;
};
