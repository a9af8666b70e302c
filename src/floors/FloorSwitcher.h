#pragma once

#include <array>

struct AppContext;
class CanvasWidget;
class FloorPanel;
class Plan;
class QLabel;

// Shows one floor at a time, clears the shown floor and starts a new drawing.
class FloorSwitcher {
public:
    FloorSwitcher(AppContext& context, Plan& plan, FloorPanel& panel,
                  std::array<CanvasWidget*, 3> canvases, std::array<QLabel*, 2> titles);

    // Shows floor f (1..3) and makes it the one drawn on; anything else is ignored.
    void chooseFloor(int f);
    // Asks first; on Yes the shown floor turns white, the others stay.
    void clearShownFloor();
    // Asks first; on Yes all three floors turn white; the shown floor stays.
    void newDrawing();

private:
    void repaint(int floor);

    AppContext& m_context;
    Plan& m_plan;
    FloorPanel& m_panel;
    std::array<CanvasWidget*, 3> m_canvases;
    std::array<QLabel*, 2> m_titles;
};
