#include "printing/PrintCommands.h"

#include "core/AppContext.h"
#include "printing/PrintDialog.h"
#include "printing/PrintJob.h"
#include "printing/PrinterSystem.h"

#include <QPrinter>

PrintCommands::PrintCommands(AppContext& context, const Plan& plan, std::unique_ptr<PrinterSystem> system)
    : m_context(context)
    , m_plan(plan)
    , m_system(std::move(system))
{
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape);
    }
    return *m_printer;
}

PrintJob& PrintCommands::job()
{
    if (!m_job)
        m_job = std::make_unique<PrintJob>(m_context, *m_system, printer());
    return *m_job;
}

void PrintCommands::print(QWidget* parent)
{
    m_context.playSound(QStringLiteral("space.wav"));
    PrintDialog dialog(m_plan, job(), parent);
    dialog.exec();
}

void PrintCommands::printerSetup()
{
    m_system->printerSetup(printer());
}
