#pragma once

#include "printing/PrinterSystem.h"

#include <functional>

// A machine without printers unless a test says otherwise, and a page set-up
// whose choice the test makes.
class ScriptedPrinterSystem : public PrinterSystem {
public:
    bool installed = false;
    int setups = 0;
    std::function<void(QPrinter&)> choose;

    bool printerInstalled() const override { return installed; }
    void printerSetup(QPrinter& printer) override
    {
        ++setups;
        if (choose)
            choose(printer);
    }
};
