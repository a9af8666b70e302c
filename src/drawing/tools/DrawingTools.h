#pragma once

class PointerEngine;

// Registers the hand-drawing tools under their palette numbers: 1 freehand,
// 2 lines, 3 rectangles, 4 dimensions, 6 eraser, 7 spray, 8 fill.
void registerDrawingTools(PointerEngine& engine);
