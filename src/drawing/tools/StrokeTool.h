#pragma once

#include "drawing/tools/Tool.h"

// Tools that paint straight into the picture at every left-button move, with
// no rubber band: freehand, spray and the eraser.
class StrokeTool : public Tool {
public:
    QRect press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;
    QRect move(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;

protected:
    // paintsOnPress: the press itself paints too, whatever the button.
    explicit StrokeTool(bool paintsOnPress) : m_paintsOnPress(paintsOnPress) {}

    // Paints at the pointer's position of one event.
    virtual QRect paintAt(ToolCanvas& canvas, const PointerPoints& points) = 0;

private:
    bool m_paintsOnPress;
};
