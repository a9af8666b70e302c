#pragma once

#include <QStringList>

class QTextStream;

// The command line without a window: `rimbano --export-pdf DRAWING --output FILE.pdf`
// turns a saved drawing into the printed page (with `--scale 1:N` its floors to
// scale, one a page); `rimbano --help` lists the options, `--version` names the version.
namespace ExportCommand {

// True when the arguments ask for work without the main window.
bool wanted(int argc, char* argv[]);

// Runs it inside an existing (GUI) application and returns the exit code;
// the help goes to `out`, every complaint to `err`.
int run(const QStringList& arguments, const QString& programFolder, QTextStream& out, QTextStream& err);

enum ExitCode {
    Done = 0,
    BadArguments = 2,
    MissingDrawing = 3,
    UnreadablePicture = 4,
    WidthFitsNoFloors = 5,
    OutputNotWritten = 6,
    ScaleMissing = 7,
    PlanDoesNotFit = 8,
    NothingDrawn = 9,
};

} // namespace ExportCommand
