#pragma once

#include "drawing/tools/Tool.h"
#include "plan/ToolKind.h"

#include <QPointF>
#include <QRegion>
#include <QString>

#include <map>
#include <memory>

class GridSnap;

// Everything the mouse does on a floor canvas passes through here: the steps
// all tools share, then the tool registered for the plan's current tool. The
// windows hand in press, move and release in canvas pixels with the button
// set and repaint the region each call returns.
class PointerEngine {
public:
    PointerEngine(AppContext& app, Plan& plan);

    // Puts `tool` under `kind`, replacing any tool registered there before.
    void registerTool(ToolKind kind, std::unique_ptr<Tool> tool);
    Tool* tool(ToolKind kind) const;

    // Each returns the area of the canvas of `floor` to repaint; events for a
    // floor outside 1..3 are ignored.
    QRegion press(int floor, Qt::MouseButtons buttons, QPointF at);
    QRegion move(int floor, Qt::MouseButtons buttons, QPointF at);
    QRegion release(int floor, Qt::MouseButtons buttons, QPointF at);

    // The coordinate read-out after the last move, "X = 120 ,Y = 45".
    const QString& coordText() const { return m_coordText; }
    // The same position in metres while a plan scale is on, else empty.
    const QString& metresText() const { return m_metresText; }
    void setScale(const PlanScale* scale) { m_scale = scale; }
    // Points of the tools that align to the grid pass through `snap` first.
    void setSnap(const GridSnap* snap) { m_snap = snap; }

    // The last press, and the last left-button move (or the press after it).
    QPointF pressPoint() const { return m_press; }
    QPointF lastPoint() const { return m_last; }

private:
    QPointF snapped(int floor, QPointF at) const;
    template <typename Step>
    QRegion onFloor(int floor, Step step);

    AppContext& m_app;
    Plan& m_plan;
    std::map<ToolKind, std::unique_ptr<Tool>> m_tools;
    // Kept from event to event, and from one gesture to the next.
    QPointF m_press;
    QPointF m_last;
    QString m_coordText = QStringLiteral("X = 0 , Y = 0");
    QString m_metresText;
    const PlanScale* m_scale = nullptr;
    const GridSnap* m_snap = nullptr;
};
