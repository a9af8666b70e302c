#include "drawing/PointerEngine.h"

#include "core/AppContext.h"
#include "drawing/GridSnap.h"
#include "drawing/ToolTable.h"
#include "plan/PlanScale.h"
#include "drawing/tools/DecimalText.h"
#include "plan/Plan.h"
#include "floors/OverlayArea.h"
#include "image/Primitives.h"

#include <cmath>

namespace {
// The last move point keeps its x in single precision and its y as a whole
// pixel, as the rubber band has always been drawn from it.
QPointF lastPointAt(float x, float y)
{
    return QPointF(x, qint32(std::lrint(y)));
}
} // namespace

PointerEngine::PointerEngine(AppContext& app, Plan& plan)
    : m_app(app)
    , m_plan(plan)
{
}

void PointerEngine::registerTool(ToolKind kind, std::unique_ptr<Tool> tool)
{
    m_tools[kind] = std::move(tool);
}

Tool* PointerEngine::tool(ToolKind kind) const
{
    const auto found = m_tools.find(kind);
    return found == m_tools.end() ? nullptr : found->second.get();
}

QPointF PointerEngine::snapped(int floor, QPointF at) const
{
    if (!m_snap || floor < 1 || floor > 3)
        return at;
    return m_snap->apply(m_plan.toolChoice.current, at, m_plan.floor(floor).image.size());
}

// Runs one event's steps on a floor and adds to the picture's changed
// rectangle whatever the overlays uncovered or now cover.
template <typename Step>
QRegion PointerEngine::onFloor(int floor, Step step)
{
    if (floor < 1 || floor > 3)
        return {};
    Floor& target = m_plan.floor(floor);
    const QSize size = target.image.size();
    const OverlayArea before = OverlayArea::of(target.overlays, size);
    ToolCanvas canvas{m_app, m_plan, floor, target, m_scale};
    QRegion changed = step(canvas, tool(m_plan.toolChoice.current)).intersected(QRect(QPoint(), size));
    return changed + OverlayArea::of(target.overlays, size).changedSince(before);
}

QRegion PointerEngine::press(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        // Before anything else, for every button and tool, also for none:
        // whatever the press does until its release is one step for Undo.
        m_plan.history().begin(floor, changeName(m_plan.toolChoice.current));
        const float x = float(at.x());
        const float y = float(at.y());
        m_press = QPointF(x, y);
        m_last = lastPointAt(x, y);
        return current ? current->press(canvas, {m_press, m_last, at}, buttons) : QRect();
    });
}

QRegion PointerEngine::move(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        const float x = float(at.x());
        const float y = float(at.y());
        m_coordText = QStringLiteral("X = ") + decimalText(x) + QStringLiteral(" ,Y = ") + decimalText(y);
        m_metresText = canvas.scaleOn() ? PlanScale::metresText(m_scale->metres(x)) + QStringLiteral(" ; ")
                + PlanScale::metresText(m_scale->metres(y))
                                        : QString();

        // The previews follow the pointer whether shown or not, so they are in
        // place the moment they appear.
        const QPoint p = pixelAt(x, y);
        canvas.floor.overlays.cross = p;
        canvas.floor.overlays.gum.moveTopLeft(p + QPoint(10, -8));
        m_plan.floor(m_plan.currentFloor()).overlays.cursorImageAt = p - QPoint(36, 36);
        if (m_plan.toolChoice.current == ToolKind::Text)
            canvas.floor.overlays.textAt = p + QPoint(14, 0);

        // Tools act only while the left button alone is down.
        if (buttons != Qt::LeftButton)
            return QRect();
        const QRect changed = current ? current->move(canvas, {m_press, m_last, at}, buttons) : QRect();
        m_last = lastPointAt(x, y);
        return changed;
    });
}

QRegion PointerEngine::release(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        canvas.floor.pen.invert = false;
        const QRect changed = current ? current->release(canvas, {m_press, m_last, at}, buttons) : QRect();
        m_plan.history().end();
        return changed;
    });
}
