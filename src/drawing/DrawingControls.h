#pragma once

#include "drawing/DrawingStyle.h"
#include "drawing/PointerEngine.h"

#include <QObject>

#include <array>
#include <functional>

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
// line-style controls and the Undo, Opnieuw, Copy and Plakken menu entries to the
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
        QAction* redo = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
    };

    // `showFloor` brings a floor to the front as F2 to F4 do, before Undo or
    // Opnieuw changes it.
    DrawingControls(AppContext& context, Plan& plan, PlanScale& scale, Controls controls,
                    std::function<void(int floor)> showFloor);
    ~DrawingControls() override;

    PointerEngine& engine() { return m_engine; }

private:
    void wireCanvases();
    void wireStyleControls();
    void wireEditMenu();
    void stepThroughHistory(bool back);
    void repaint(int floor, const QRegion& area);
    void showCoordinates();

    CanvasWidget* canvas(int floor) const { return m_controls.canvases[size_t(floor - 1)]; }

    AppContext& m_context;
    Plan& m_plan;
    Controls m_controls;
    std::function<void(int floor)> m_showFloor;
    PointerEngine m_engine;
    DrawingStyle m_style;
    QRect m_coordGeometry;
};
