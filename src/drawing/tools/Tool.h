#pragma once

#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QtGlobal>

struct Algemeen;
struct AppContext;
class Floor;
class Plan;
class PlanScale;

// What a tool works on during one pointer event: the shared values, the
// information line and sound, all floors with the working pictures, and the
// floor whose canvas received the event.
struct ToolCanvas {
    AppContext& app;
    Plan& floors;
    int floorIndex;
    Floor& floor;
    // The plan's scale; lengths and areas in metres only while it is on.
    const PlanScale* scale = nullptr;

    bool scaleOn() const;

    Algemeen& state() const;
    // The drawing colour of the swatch, RGB(ColorRed, ColorGreen, ColorBlue).
    QRgb drawingColour() const;
};

// One tool of the palette. The pointer engine has already done the steps all
// tools share (undo snapshot, start point, read-out, overlay positions) when
// it calls these. Positions are canvas pixels; each call returns the
// rectangle of the floor's picture it changed, empty when it changed none.
class Tool {
public:
    virtual ~Tool() = default;

    // Any button; `buttons` are those down at the press.
    virtual QRect press(ToolCanvas& canvas, QPointF at, Qt::MouseButtons buttons);
    // Called only while the left button alone is down.
    virtual QRect move(ToolCanvas& canvas, QPointF at, Qt::MouseButtons buttons);
    // Any button; `buttons` is the one released. The picture is already back
    // in copy mode.
    virtual QRect release(ToolCanvas& canvas, QPointF at, Qt::MouseButtons buttons);
};
