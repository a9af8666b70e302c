#pragma once

#include <memory>

struct AppContext;
class Plan;
class PrintJob;
class PrinterSystem;
class QPrinter;
class QWidget;

// The File menu's "Afdrukken" and "Print Setup". One printer serves the whole
// run, so what the user sets up is what later pages are printed with.
class PrintCommands {
public:
    PrintCommands(AppContext& context, const Plan& plan, std::unique_ptr<PrinterSystem> system);
    ~PrintCommands();

    // Plays the opening sound and shows the print dialog until it closes.
    void print(QWidget* parent);
    // The platform's printer set-up, kept for the rest of the run; cancelling
    // it changes nothing.
    void printerSetup();

    QPrinter& printer();
    PrintJob& job();

private:
    AppContext& m_context;
    const Plan& m_plan;
    std::unique_ptr<PrinterSystem> m_system;
    // Made on first use: asking the system for its printers can take a moment.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PrintJob> m_job;
};
