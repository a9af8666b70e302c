#pragma once

#include "plan/Plan.h"
#include "printing/PrintCommands.h"
#include "printing/PrintJob.h"
#include "printing/PrinterSystem.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QGuiApplication>

#include <functional>

// Each floor filled with a colour of its own, so a page shows which went where.
inline const QRgb FloorColour[3] = {qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};

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

// One program's worth of printing on a machine without printers: the program
// folder takes the PDF files, the answers are scripted.
struct PrintRig : TestProgram {
    Plan plan{350};
    ScriptedPrinterSystem* system = new ScriptedPrinterSystem;
    PrintCommands commands{context, plan, std::unique_ptr<PrinterSystem>(system)};

    PrintRig()
    {
        // The pointer is program-wide: no test starts with one left by another.
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        for (int f = 1; f <= 3; ++f)
            plan.floor(f).image.fill(FloorColour[f - 1]);
    }

    // Answers the PDF offer with Yes and names `file` in the program folder.
    QString offerPdf(const QString& file)
    {
        prompts.yesNoAnswers << true;
        prompts.saveAnswers << path(file);
        return path(file);
    }

    bool print(int floorCount, const QString& copies = QStringLiteral("1"))
    {
        return commands.job().print({floorCount, copies, QStringLiteral("Huis"), true},
                                    {plan.floor(1).image, plan.floor(2).image, plan.floor(3).image}, {});
    }

    QStringList files() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }
};
