#pragma once

// Drawings of the hand tools for the tool buttons that show an object
// rather than a library symbol.

#include <QImage>

namespace art {

QImage pencilTool();
QImage lineTool();
QImage rectangleTool();
QImage eraserTool();
QImage sprayTool();
QImage fillTool();
QImage stairTool();
QImage windowTool();
QImage doorTool();
QImage bathTool();
QImage sofaTool();

} // namespace art
