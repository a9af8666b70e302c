#include "app/MainMenus.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* addItem(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& key = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

QAction* addCheckItem(QMenu* menu, const char* objectName, const QString& caption, bool checked,
                      const QKeySequence& key = {})
{
    QAction* action = addItem(menu, objectName, caption, key);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}
} // namespace

MainMenus MainMenus::build(QMenuBar* bar)
{
    MainMenus m;

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    m.FileNieuw = addItem(file, "FileNieuw", QStringLiteral("Nieuw"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.FileLoad = addItem(file, "FileLoad", QStringLiteral("Load"), QKeySequence(QStringLiteral("Ctrl+O")));
    m.FileSave = file->addMenu(QStringLiteral("Save"));
    m.FileSave->setObjectName(QStringLiteral("FileSave"));
    const char* saveCaptions[3] = {"BG", "BG + 1e", "BG + 1e + 2e"};
    for (int i = 0; i < 3; ++i)
        m.FileSaveJpg[size_t(i)] = addItem(m.FileSave, "FileSaveJpg", QLatin1String(saveCaptions[i]));
    file->addSeparator();
    m.FilePrint = addItem(file, "FilePrint", QStringLiteral("Afdrukken"), QKeySequence(QStringLiteral("Ctrl+P")));
    m.FileSetupPrinter = addItem(file, "FileSetupPrinter", QStringLiteral("Print Setup"));
    file->addSeparator();
    m.FileImportIcon = addItem(file, "FileImportIcon", QStringLiteral("Import Icons"));
    m.FileExit = addItem(file, "FileExit", QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* edit = bar->addMenu(QStringLiteral("Bewerken"));
    m.EditUndo = addItem(edit, "EditUndo", QStringLiteral("Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    m.EditFlip[0] = addItem(edit, "EditFlip", QStringLiteral("Spiegelbeeld"), QKeySequence(QStringLiteral("Ctrl+M")));
    m.EditFlip[1] = addItem(edit, "EditFlip", QStringLiteral("Rotatie 180°"), QKeySequence(QStringLiteral("Ctrl+R")));
    m.EditObject = edit->addMenu(QStringLiteral("Object plaatsen"));
    m.EditObject->setObjectName(QStringLiteral("EditObject"));
    auto* rasterGroup = new QActionGroup(edit);
    const char* rasterCaptions[6] = {"And", "Copy", "Merge paint", "Not copy", "Invert", "Paint"};
    for (int i = 0; i < 6; ++i) {
        QAction* a = addCheckItem(m.EditObject, "EditObjectCopy", QLatin1String(rasterCaptions[i]), i == 0);
        rasterGroup->addAction(a);
        m.EditObjectCopy[size_t(i)] = a;
    }
    edit->addSeparator();
    m.EditCopy = addItem(edit, "EditCopy", QStringLiteral("Copy"));
    m.EditPlakken = addItem(edit, "EditPlakken", QStringLiteral("Plakken"));

    QMenu* show = bar->addMenu(QStringLiteral("Show"));
    m.ShowTekenkruis = addCheckItem(show, "ShowTekenkruis", QStringLiteral("Tekenkruis"), false,
                                    QKeySequence(QStringLiteral("Ctrl+T")));
    m.ShowMuiscursor = show->addMenu(QStringLiteral("Muiscursor"));
    m.ShowMuiscursor->setObjectName(QStringLiteral("ShowMuiscursor"));
    auto* pointerGroup = new QActionGroup(show);
    m.ShowMuiscursorKeuze[0] = addCheckItem(m.ShowMuiscursor, "ShowMuiscursorKeuze", QStringLiteral("Arrow"), true);
    m.ShowMuiscursorKeuze[1] = addCheckItem(m.ShowMuiscursor, "ShowMuiscursorKeuze", QStringLiteral("Cross"), false);
    pointerGroup->addAction(m.ShowMuiscursorKeuze[0]);
    pointerGroup->addAction(m.ShowMuiscursorKeuze[1]);
    m.ShowBorder = addItem(show, "ShowBorder", QStringLiteral("Border"), QKeySequence(QStringLiteral("Ctrl+B")));
    show->addSeparator();
    m.ShowGeluid = addCheckItem(show, "ShowGeluid", QStringLiteral("Geluid aan"), true,
                                QKeySequence(QStringLiteral("Ctrl+G")));
    m.ShowLoep = addCheckItem(show, "ShowLoep", QStringLiteral("Loep uit"), false, QKeySequence(QStringLiteral("Ctrl+L")));
    show->addSeparator();
    m.ShowVerdiepingEronder = addCheckItem(show, "ShowVerdiepingEronder", QStringLiteral("Verdieping eronder"), false);
    m.ShowRaster = addCheckItem(show, "ShowRaster", QStringLiteral("Raster"), false);

    QMenu* extra = bar->addMenu(QStringLiteral("Extra"));
    m.ToolsIconedit = addItem(extra, "ToolsIconedit", QStringLiteral("Icon Editor"), QKeySequence(QStringLiteral("Ctrl+I")));
    m.ExtraConfig = addItem(extra, "ExtraConfig", QStringLiteral("Configuratie"), QKeySequence(QStringLiteral("Ctrl+C")));
    m.ExtraSchaal = addItem(extra, "ExtraSchaal", QStringLiteral("Schaal..."));
    m.ExtraUitlijnen = addCheckItem(extra, "ExtraUitlijnen", QStringLiteral("Uitlijnen op raster"), false);
    m.ExtraPrintenOpSchaal = addItem(extra, "ExtraPrintenOpSchaal", QStringLiteral("Printen op schaal..."));
    // A disabled item says on hover what it waits for.
    extra->setToolTipsVisible(true);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    m.HelpUitleg = addItem(help, "HelpUitleg", QStringLiteral("Uitleg Programma"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    m.HelpSoftware = addItem(help, "HelpSoftware", QStringLiteral("Meer Software"));
    return m;
}
