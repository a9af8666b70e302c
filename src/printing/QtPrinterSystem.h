#pragma once

#include "printing/PrinterSystem.h"

class QWidget;

// The machine's printers and the platform's printer set-up dialogs.
class QtPrinterSystem : public PrinterSystem {
public:
    explicit QtPrinterSystem(QWidget* owner) : m_owner(owner) {}

    bool printerInstalled() const override;
    void printerSetup(QPrinter& printer) override;

private:
    QWidget* m_owner;
};
