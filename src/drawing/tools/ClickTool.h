#pragma once

#include "drawing/tools/Tool.h"

// Tools that act once at the press, whatever the button, and ignore moves and
// the release: fill, symbols and text.
class ClickTool : public Tool {
public:
    QRect press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;

protected:
    virtual QRect click(ToolCanvas& canvas, QPointF at) = 0;
};
