#pragma once

#include <array>

struct AppContext;
class CanvasWidget;
class Floors;

// Bewerken > Spiegelbeeld and Rotatie 180°: the current floor mirrored left to
// right or top to bottom in place. Not a drawing step, so no undo snapshot.
class FloorFlip {
public:
    FloorFlip(AppContext& context, Floors& floors, std::array<CanvasWidget*, 3> canvases);

    // k = 1 left to right, k = 2 top to bottom, after the whoosh sound.
    void EditFlip(int k);

    void FlipHorizontaal();
    void FlipVertikaal();

private:
    AppContext& m_context;
    Floors& m_floors;
    std::array<CanvasWidget*, 3> m_canvases;
};
