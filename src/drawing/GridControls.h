#pragma once

#include "drawing/GridSnap.h"

#include <QObject>

#include <array>
#include <functional>

class CanvasWidget;
class PointerEngine;
class QAction;
struct GridSettings;

// Show > "Raster" and Extra > "Uitlijnen op raster": puts the grid on the
// canvases and the snapping into the pointer engine, and keeps both switches
// with the scale whenever the user flips one.
class GridControls : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QAction& shown;
        QAction& snap;
        std::array<CanvasWidget*, 3> canvases;
        PointerEngine& engine;
    };

    // `save` writes the scale file; it is called after each switch.
    GridControls(GridSettings& grid, const PlanScale& scale, Parts parts, std::function<void()> save,
                 QObject* parent = nullptr);

    // Shows the settings as they are now: check marks, grid lines and their
    // spacing. Called again whenever the scale or the spacing changes.
    void apply();

private:
    GridSettings& m_grid;
    const PlanScale& m_scale;
    Parts m_parts;
    std::function<void()> m_save;
    GridSnap m_snap;
};
