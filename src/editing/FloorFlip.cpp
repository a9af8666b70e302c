#include "editing/FloorFlip.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"

FloorFlip::FloorFlip(AppContext& context, Plan& plan, std::array<CanvasWidget*, 3> canvases)
    : m_context(context)
    , m_plan(plan)
    , m_canvases(canvases)
{
}

void FloorFlip::flip(int k)
{
    if (k != 1 && k != 2)
        return;
    const int f = m_plan.currentFloor();
    Floor& floor = m_plan.floor(f);
    if (!confirmDroppingHiddenColumns(m_context.prompts, floor))
        return;
    m_context.playSound(QStringLiteral("zoef.wav"));
    m_plan.history().record({f}, k == 1 ? QStringLiteral("spiegelbeeld") : QStringLiteral("rotatie 180°"),
                            [&floor, k] { floor.mirror(k == 1 ? Qt::Horizontal : Qt::Vertical); });
    m_canvases[size_t(f - 1)]->update();
}
