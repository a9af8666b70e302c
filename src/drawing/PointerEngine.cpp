#include "drawing/PointerEngine.h"

#include "core/AppContext.h"
#include "drawing/GridSnap.h"
#include "plan/PlanScale.h"
#include "drawing/tools/DecimalText.h"
#include "plan/Plan.h"
#include "floors/OverlayArea.h"
#include "image/Primitives.h"

#include <cmath>

namespace {
constexpr int TextTool = 5;
} // namespace

PointerEngine::PointerEngine(AppContext& app, Plan& floors)
    : m_app(app)
    , m_floors(floors)
{
}

void PointerEngine::registerTool(int number, std::unique_ptr<Tool> tool)
{
    m_tools[number] = std::move(tool);
}

Tool* PointerEngine::tool(int number) const
{
    const auto found = m_tools.find(number);
    return found == m_tools.end() ? nullptr : found->second.get();
}

QPointF PointerEngine::snapped(int floor, QPointF at) const
{
    if (!m_snap || floor < 1 || floor > 3)
        return at;
    return m_snap->apply(m_app.state.CurrentTool, at, m_floors.floor(floor).image.size());
}

// Runs one event's steps on a floor and adds to the picture's changed
// rectangle whatever the overlays uncovered or now cover.
template <typename Step>
QRegion PointerEngine::onFloor(int floor, Step step)
{
    if (floor < 1 || floor > 3)
        return {};
    Floor& target = m_floors.floor(floor);
    const QSize size = target.image.size();
    const OverlayArea before = OverlayArea::of(target.overlays, size);
    ToolCanvas canvas{m_app, m_floors, floor, target, m_scale};
    QRegion changed = step(canvas, tool(m_app.state.CurrentTool)).intersected(QRect(QPoint(), size));
    return changed + OverlayArea::of(target.overlays, size).changedSince(before);
}

QRegion PointerEngine::press(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        // Before anything else, for every button and tool, also for none:
        // the one undo level is always the picture as it was at the last press.
        m_floors.takeUndoPicture(floor);
        m_app.state.StartX = float(at.x());
        m_app.state.StartY = float(at.y());
        return current ? current->press(canvas, at, buttons) : QRect();
    });
}

QRegion PointerEngine::move(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        Algemeen& s = m_app.state;
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
        m_floors.floor(s.CurrentFloor).overlays.cursorImageAt = p - QPoint(36, 36);
        if (s.CurrentTool == TextTool)
            canvas.floor.overlays.textAt = p + QPoint(14, 0);

        // Tools act only while the left button alone is down.
        if (buttons != Qt::LeftButton)
            return QRect();
        const QRect changed = current ? current->move(canvas, at, buttons) : QRect();
        s.LastX = x;
        s.LastY = qint32(std::lrint(y));
        return changed;
    });
}

QRegion PointerEngine::release(int floor, Qt::MouseButtons buttons, QPointF at)
{
    at = snapped(floor, at);
    return onFloor(floor, [&](ToolCanvas& canvas, Tool* current) {
        canvas.floor.pen.invert = false;
        return current ? current->release(canvas, at, buttons) : QRect();
    });
}
