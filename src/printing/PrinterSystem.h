#pragma once

class QPrinter;

// What printing needs from the machine: whether a printer is there at all,
// and the platform's printer set-up. Tests hand in their own answers.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual bool printerInstalled() const = 0;
    // Lets the user choose the printer of `printer`, its paper and margins;
    // cancelling leaves it as it was.
    virtual void printerSetup(QPrinter& printer) = 0;
};
