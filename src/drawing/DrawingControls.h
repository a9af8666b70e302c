#pragma once

#include "drawing/DrawingStyle.h"
#include "drawing/PointerEngine.h"

#include <QObject>

#include <array>

struct AppContext;
class CanvasWidget;
class ColorPanel;
class Plan;
class PlanScale;
class QAction;
class QCheckBox;
class QLabel;
class ToolPanel;

// Connects the main window's canvases, coordinate read-out, colour, eraser and
// line-style controls and the Undo, Copy and Plakken menu entries to the
// pointer engine and the drawing attributes, and repaints what changed.
class DrawingControls : public QObject {
    Q_OBJECT
public:
    // The main window's controls this wires up; they outlive it.
    struct Controls {
        std::array<CanvasWidget*, 3> canvases{};
        QLabel* coordinates = nullptr;
        ColorPanel* colours = nullptr;
        ToolPanel* tools = nullptr;
        QCheckBox* lineStyle = nullptr;
        QAction* undo = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
    };

    DrawingControls(AppContext& context, Plan& plan, PlanScale& scale, Controls controls);

    PointerEngine& engine() { return m_engine; }

private:
    void wireCanvases();
    void wireStyleControls();
    void wireEditMenu();
    void repaint(int floor, const QRegion& area);
    void showCoordinates();

    CanvasWidget* canvas(int floor) const { return m_controls.canvases[size_t(floor - 1)]; }

    AppContext& m_context;
    Plan& m_plan;
    Controls m_controls;
    PointerEngine m_engine;
    DrawingStyle m_style;
    QRect m_coordGeometry;
};
