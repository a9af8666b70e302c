#pragma once

#include "drawing/tools/ClickTool.h"

// Prints the text of the floor's preview where the preview shows it, 14
// pixels right of the pointer, in the floor's font and text colour.
class TextTool : public ClickTool {
protected:
    QRect click(ToolCanvas& canvas, QPointF at) override;
};
