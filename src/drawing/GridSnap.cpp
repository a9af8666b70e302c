#include "drawing/GridSnap.h"

#include "plan/GridSettings.h"

#include <optional>

namespace {
// From the pointer to the point the tool places by: a symbol's top-left corner
// lies 36 pixels up and left of the pointer, a text's 14 pixels to its right.
std::optional<QPointF> anchorOffset(int tool)
{
    if (tool >= 2 && tool <= 4)
        return QPointF(0, 0);
    if (tool == 5)
        return QPointF(14, 0);
    if ((tool >= 9 && tool <= 19) || tool == 30)
        return QPointF(-36, -36);
    return std::nullopt;
}
} // namespace

QPointF GridSnap::apply(int tool, QPointF at, QSize canvas) const
{
    const std::optional<QPointF> offset = anchorOffset(tool);
    if (!m_grid.snap || !offset)
        return at;
    return GridSettings::nearest(at + *offset, m_grid.spacing(m_scale), canvas) - *offset;
}
