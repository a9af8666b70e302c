#pragma once

#include "ScriptedPrinterSystem.h"
#include "core/AppContext.h"
#include "floors/Floors.h"
#include "printing/PrintCommands.h"
#include "printing/PrintJob.h"
#include "support/Recorders.h"
#include "support/ScriptedPrompts.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>

// Each floor filled with a colour of its own, so a page shows which went where.
inline const QRgb FloorColour[3] = {qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};

// One program's worth of printing on a machine without printers, with a
// temporary folder for the PDF files and scripted answers.
struct PrintRig {
    Algemeen state;
    ScriptedPrompts prompts;
    RecordingWavePlayer sound;
    RecordingInfoLine info;
    AppContext context{state, prompts, sound, info};
    Floors floors{350};
    ScriptedPrinterSystem* system = new ScriptedPrinterSystem;
    PrintCommands commands{context, floors, std::unique_ptr<PrinterSystem>(system)};
    QTemporaryDir dir;

    PrintRig()
    {
        state.ProgramFolder = dir.path();
        for (int f = 1; f <= 3; ++f)
            floors.floor(f).image.fill(FloorColour[f - 1]);
    }

    std::array<QImage, 3> images() const
    {
        return {floors.floor(1).image, floors.floor(2).image, floors.floor(3).image};
    }

    // Answers the PDF offer with Yes and names `file` in the temporary folder.
    QString offerPdf(const QString& file)
    {
        prompts.yesNoAnswers << true;
        prompts.saveAnswers << dir.filePath(file);
        return dir.filePath(file);
    }

    bool print(int floorCount, const QString& copies = QStringLiteral("1"))
    {
        return commands.job().print({floorCount, copies, QStringLiteral("Huis"), true}, images(), {});
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

// Takes away the program-wide pointer so every test starts without one.
inline void clearApplicationPointer()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
