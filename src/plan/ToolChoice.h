#pragma once

#include "plan/ToolKind.h"

#include <QString>

// The tool the user chose and how: what a click on the palette, an option
// image, the eraser bar or Bewerken > Object plaatsen set, and the tools read.
struct ToolChoice {
    ToolKind current = ToolKind::None;
    // A library symbol's option i (counted from 1) is library picture optionBase + i.
    int optionBase = 0;
    int chosenOption = 0;
    // Dimension ends: 1 ticks, 2 arrowheads, 3 both.
    int arrowStyle = 1;
    // Raster operation for placing pictures, kept as the hexadecimal literal text.
    QString rasterOpText = QStringLiteral("&H8800C6");
    // Side of the eraser's square in pixels.
    int eraserSize = 10;
};
