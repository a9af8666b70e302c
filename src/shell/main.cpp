#include "shell/Algemeen.h"
#include "shell/MainWindow.h"
#include "shell/ProgramOptions.h"
#include "shell/QtPrompts.h"
#include "shell/QtWavePlayer.h"

#include <QApplication>
#include <QImageReader>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rimbano"));
    QApplication::setApplicationVersion(QStringLiteral(RIMBANO_VERSION));
    // No picture the program reads needs more than this; a lying header must not exhaust memory.
    QImageReader::setAllocationLimit(256);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    Algemeen state;
    state.ProgramFolder = programFolderFrom(QApplication::arguments(), QApplication::applicationDirPath());
    state.WritableFolder = writableFolderFor(state.ProgramFolder);

    QtPrompts prompts;
    QtWavePlayer sound;
    MainWindow window(state, prompts, sound);
    prompts.setOwner(&window);
    window.show();
    return QApplication::exec();
}
