#pragma once

#include "drawing/tools/Tool.h"

#include <QPoint>

// Tools dragged from a start point to an end point. While the left button is
// down a rubber band follows the pointer; the release draws the shape.
class TwoPointTool : public Tool {
public:
    enum class RubberBand {
        // A line drawn into the picture in invert mode and taken away by
        // drawing it once more; what it crossed comes back unchanged.
        InvertedLine,
        // The grey Layer frame above the picture, growing right and down only,
        // with its size in the information line.
        Frame,
    };

    QRect press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;
    QRect move(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;
    QRect release(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons) override;

protected:
    explicit TwoPointTool(RubberBand band) : m_band(band) {}

    // Draws the shape from the press point to the release point, points.current.
    virtual QRect finish(ToolCanvas& canvas, const PointerPoints& points) = 0;

    static QPoint startPixel(const PointerPoints& points);

private:
    RubberBand m_band;
};
