#include "printing/QtPrinterSystem.h"

#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

bool QtPrinterSystem::printerInstalled() const
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void QtPrinterSystem::printerSetup(QPrinter& printer)
{
    // Both dialogs write the choice into the printer only on OK.
    if (!printerInstalled()) {
        // Nothing to choose from: the paper of the PDF file offered instead.
        QPageSetupDialog dialog(&printer, m_owner);
        dialog.exec();
        return;
    }
    // The platform's print dialog in its set-up role: the printer, its paper
    // and its own settings. Pages and files are no business of the set-up: the
    // page is always one, and a file is offered only where there is no printer.
    QPrintDialog dialog(&printer, m_owner);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // Its button takes the choice; nothing is printed yet.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (QPushButton* take = buttons->button(QDialogButtonBox::Ok))
            take->setText(QStringLiteral("OK"));
    dialog.exec();
}
