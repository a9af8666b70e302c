#pragma once

class PointerEngine;

// Registers the hand-drawing tools: freehand, lines, rectangles, dimensions,
// eraser, spray and fill.
void registerDrawingTools(PointerEngine& engine);
