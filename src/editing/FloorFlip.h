#pragma once

#include <array>

struct AppContext;
class CanvasWidget;
class Plan;

// Bewerken > Spiegelbeeld and Rotatie 180°: the current floor mirrored left to
// right or top to bottom in place, one step for Undo.
class FloorFlip {
public:
    FloorFlip(AppContext& context, Plan& plan, std::array<CanvasWidget*, 3> canvases);

    // k = 1 left to right, k = 2 top to bottom, after the whoosh sound. The
    // shown part turns; drawing a narrowed canvas hides goes, after a question.
    void flip(int k);

private:
    AppContext& m_context;
    Plan& m_plan;
    std::array<CanvasWidget*, 3> m_canvases;
};
