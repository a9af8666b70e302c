#include "printing/ScalePrintCommand.h"

#include "core/AppContext.h"
#include "plan/Plan.h"
#include "plan/PlanScale.h"
#include "printing/PrintCommands.h"
#include "printing/ScalePrintDialog.h"

#include <QAction>

namespace {
const QString NoScale = QStringLiteral("Er is nog geen schaal ingesteld.\nStel eerst bij Extra > Schaal... in "
                                       "hoeveel centimeter één pixel is;\ndaarna kunt u op schaal printen.");
} // namespace

ScalePrintCommand::ScalePrintCommand(AppContext& context, const Plan& plan, const PlanScale& scale,
                                     PrintCommands& printing, QAction& menuItem, QWidget* owner)
    : QObject(owner)
    , m_context(context)
    , m_plan(plan)
    , m_scale(scale)
    , m_printing(printing)
    , m_item(menuItem)
    , m_owner(owner)
{
    connect(&m_item, &QAction::triggered, this, &ScalePrintCommand::open);
    scaleChanged();
}

void ScalePrintCommand::scaleChanged()
{
    m_item.setEnabled(m_scale.isOn());
    m_item.setToolTip(m_scale.isOn() ? QString() : NoScale);
}

void ScalePrintCommand::open()
{
    if (!m_scale.isOn()) {
        m_context.prompts.message(NoScale);
        return;
    }
    ScalePrintDialog dialog(m_plan, m_plan.currentFloor(), m_scale, m_printing.job(), m_owner);
    dialog.exec();
}
