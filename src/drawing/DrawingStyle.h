#pragma once

#include <QColor>
#include <QString>

struct AppContext;
class Plan;

// The drawing colour, the eraser size and the line style the tools use.
class DrawingStyle {
public:
    DrawingStyle(AppContext& app, Plan& plan);

    // The scroll box of colour bar `bar` (1 red, 2 green, 3 blue) was dragged
    // to `value`. Only that component changes; the others keep their stored
    // values even if their bars were moved by a click since. Returns the
    // colour the swatch shows.
    QColor colourBarDragged(int bar, int value);

    // Sets the eraser size and resizes the outline on every floor; returns the
    // caption under the eraser bar.
    QString eraserSizeChanged(int value);

    // Solid when ticked, dotted when not, on all three floors; returns the
    // check box's caption.
    QString lineStyleClicked(bool ticked);

private:
    AppContext& m_app;
    Plan& m_plan;
};
