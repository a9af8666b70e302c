#include "printing/QtPrinterSystem.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool QtPrinterSystem::printerInstalled() const
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void QtPrinterSystem::pageSetup(QPrinter& printer)
{
    // The dialog writes the choice into the printer only on OK.
    QPageSetupDialog dialog(&printer, m_owner);
    dialog.exec();
}
