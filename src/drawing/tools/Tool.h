#pragma once

#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QtGlobal>

struct AppContext;
class Floor;
class Plan;
class PlanScale;

// What a tool works on during one pointer event: the settings, the
// information line and sound, the plan with the tool choice and the working
// pictures, and the floor whose canvas received the event.
struct ToolCanvas {
    AppContext& app;
    Plan& plan;
    int floorIndex;
    Floor& floor;
    // The plan's scale; lengths and areas in metres only while it is on.
    const PlanScale* scale = nullptr;

    bool scaleOn() const;

    // The drawing colour of the swatch.
    QRgb drawingColour() const;
};

// The points of one pointer event in canvas pixels, kept by the pointer
// engine between events in the precision the tools have always drawn with.
struct PointerPoints {
    // The last press, in single precision.
    QPointF press;
    // The previous left-button move, x in single precision and y a whole
    // pixel; every press starts it at the press point.
    QPointF last;
    // The pointer now.
    QPointF current;
};

// One tool of the palette. The pointer engine has already done the steps all
// tools share (opening a step for Undo, press point, read-out, overlay positions) when
// it calls these. Each call returns the rectangle of the floor's picture it
// changed, empty when it changed none.
class Tool {
public:
    virtual ~Tool() = default;

    // Any button; `buttons` are those down at the press.
    virtual QRect press(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons);
    // Called only while the left button alone is down.
    virtual QRect move(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons);
    // Any button; `buttons` is the one released. The picture is already back
    // in copy mode.
    virtual QRect release(ToolCanvas& canvas, const PointerPoints& points, Qt::MouseButtons buttons);
};
