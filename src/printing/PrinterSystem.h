#pragma once

class QPrinter;

// What printing needs from the machine: whether a printer is there at all,
// and the platform's page set-up. Tests hand in their own answers.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual bool printerInstalled() const = 0;
    // Lets the user change paper, orientation and margins of `printer`;
    // cancelling leaves it as it was.
    virtual void pageSetup(QPrinter& printer) = 0;
};
