#include "floors/FloorSwitcher.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "plan/Plan.h"

#include <QLabel>

FloorSwitcher::FloorSwitcher(AppContext& context, Plan& plan, FloorPanel& panel,
                             std::array<CanvasWidget*, 3> canvases, std::array<QLabel*, 2> titles)
    : m_context(context)
    , m_plan(plan)
    , m_panel(panel)
    , m_canvases(canvases)
    , m_titles(titles)
{
}

void FloorSwitcher::chooseFloor(int f)
{
    if (f < 1 || f > 3)
        return;
    m_plan.setCurrentFloor(f);
    m_panel.showFloorState(f);
    // Show the new canvas before hiding the old one, so nothing flickers through.
    m_canvases[size_t(f - 1)]->show();
    for (int j = 1; j <= 3; ++j) {
        if (j != f)
            m_canvases[size_t(j - 1)]->hide();
    }
    for (QLabel* title : m_titles) {
        title->setText(Plan::floorName(f));
        title->adjustSize();
    }
}

void FloorSwitcher::clearShownFloor()
{
    const int f = m_plan.currentFloor();
    const QString question = QStringLiteral("Wilt u de ") + m_titles[0]->text() + QStringLiteral(" verwijderen?");
    if (!m_context.prompts.askYesNo(QStringLiteral(" Nieuw"), question))
        return;
    m_plan.history().record({f}, QStringLiteral("wissen"), [this, f] { m_plan.floor(f).clear(); });
    repaint(f);
}

void FloorSwitcher::newDrawing()
{
    if (!m_context.prompts.askYesNo(QStringLiteral(" Nieuw"), QStringLiteral("Wilt u een nieuwe tekening maken? ")))
        return;
    m_plan.history().record({1, 2, 3}, QStringLiteral("nieuwe tekening"), [this] {
        for (int i = 1; i <= 3; ++i)
            m_plan.floor(i).clear();
    });
    for (int i = 1; i <= 3; ++i)
        repaint(i);
}

void FloorSwitcher::repaint(int floor)
{
    m_canvases[size_t(floor - 1)]->update();
}
