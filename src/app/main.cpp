#include "app/CommandLineDrawing.h"
#include "app/ExportCommand.h"
#include "app/MainWindow.h"
#include "app/ProgramOptions.h"
#include "app/QtPrompts.h"
#include "app/QtTranslations.h"
#include "app/QtWavePlayer.h"
#include "app/StartWindow.h"
#include "app/VersionText.h"
#include "core/ProgramFolders.h"
#include "core/Settings.h"
#include "core/PictureHeap.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>

#include <memory>

namespace {
// The command-line work needs no display: it runs on the offscreen platform.
int runWithoutWindow(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Rimbano"));
    // Qt's own words in the help ("Gebruik:", "Opties:") in Dutch, like the options.
    installDutchQtTranslations(app);
    QImageReader::setAllocationLimit(256);
    const QString folder = programFolderFrom(QGuiApplication::arguments(), QGuiApplication::applicationDirPath());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ExportCommand::run(QGuiApplication::arguments(), folder, out, err);
}
} // namespace

int main(int argc, char* argv[])
{
    keepFreedPictureMemory();
    if (ExportCommand::wanted(argc, argv))
        return runWithoutWindow(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rimbano"));
    QApplication::setApplicationVersion(QStringLiteral(RIMBANO_VERSION));
    installDutchQtTranslations(app);
    // No picture the program reads needs more than this; a lying header must not exhaust memory.
    QImageReader::setAllocationLimit(256);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    QString refusal;
    const std::optional<QStringList> drawings = CommandLineDrawing::filesIn(QApplication::arguments(), refusal);
    if (!drawings) {
        QTextStream(stderr) << "rimbano: " << refusal << Qt::endl;
        return ExportCommand::BadArguments;
    }

    Settings settings;
    ProgramFolders folders;
    folders.program = programFolderFrom(QApplication::arguments(), QApplication::applicationDirPath());
    folders.writable = writableFolderFor(folders.program);

    QtPrompts prompts;
    QtWavePlayer sound;
    std::unique_ptr<MainWindow> window;

    // The start window comes first; closing it without "Ok" ends the program,
    // as it is then the last window closed.
    StartWindow titel(programVersionText());
    QObject::connect(&titel, &StartWindow::okChosen, &titel, [&] {
        if (window)
            return;
        window = std::make_unique<MainWindow>(settings, folders, prompts, sound);
        prompts.setOwner(window.get());
        // A drawing named on the command line is in the floors before the window
        // first shows and asks about a recovery copy, so unsaved work put back
        // then is never overwritten by a file that is still on disk. A refusal
        // appears while the start window is still up.
        CommandLineDrawing::open(*window, *drawings);
        window->show();
        titel.hide();
    });
    titel.show();
    return QApplication::exec();
}
