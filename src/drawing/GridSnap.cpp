#include "drawing/GridSnap.h"

#include "plan/GridSettings.h"

QPointF GridSnap::apply(ToolKind tool, QPointF at, QSize canvas) const
{
    const std::optional<QPointF>& offset = toolProperties(tool).snapAnchor;
    if (!m_grid.snap || !offset)
        return at;
    return GridSettings::nearest(at + *offset, m_grid.spacing(m_scale), canvas) - *offset;
}
