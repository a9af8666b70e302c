#include "drawing/GridControls.h"

#include "plan/GridSettings.h"
#include "drawing/PointerEngine.h"
#include "floors/CanvasWidget.h"

#include <QAction>

GridControls::GridControls(GridSettings& grid, const PlanScale& scale, Parts parts, std::function<void()> save,
                           QObject* parent)
    : QObject(parent)
    , m_grid(grid)
    , m_scale(scale)
    , m_parts(parts)
    , m_save(std::move(save))
    , m_snap(grid, scale)
{
    m_parts.engine.setSnap(&m_snap);
    connect(&m_parts.shown, &QAction::triggered, this, [this](bool on) {
        m_grid.shown = on;
        apply();
        m_save();
    });
    connect(&m_parts.snap, &QAction::triggered, this, [this](bool on) {
        m_grid.snap = on;
        m_save();
    });
    apply();
}

void GridControls::apply()
{
    m_parts.shown.setChecked(m_grid.shown);
    m_parts.snap.setChecked(m_grid.snap);
    const double spacing = m_grid.shown ? m_grid.spacing(m_scale) : 0;
    for (CanvasWidget* canvas : m_parts.canvases)
        canvas->setGridSpacing(spacing);
}
