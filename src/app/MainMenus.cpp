#include "app/MainMenus.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption, const QKeySequence& key = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

QAction* addCheckItem(QMenu* menu, const QString& objectName, const QString& caption, bool checked,
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
    m.newDrawing = addItem(file, "newDrawingAction", QStringLiteral("Nieuw"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.load = addItem(file, "loadAction", QStringLiteral("Load"), QKeySequence(QStringLiteral("Ctrl+O")));
    m.saveMenu = file->addMenu(QStringLiteral("Save"));
    m.saveMenu->setObjectName(QStringLiteral("saveMenu"));
    const char* saveCaptions[3] = {"BG", "BG + 1e", "BG + 1e + 2e"};
    for (int i = 0; i < 3; ++i)
        m.saveFloors[size_t(i)] = addItem(m.saveMenu, QStringLiteral("saveFloorsAction%1").arg(i + 1), QLatin1String(saveCaptions[i]));
    file->addSeparator();
    m.print = addItem(file, "printAction", QStringLiteral("Afdrukken"), QKeySequence(QStringLiteral("Ctrl+P")));
    m.printerSetup = addItem(file, "printerSetupAction", QStringLiteral("Print Setup"));
    file->addSeparator();
    m.importIcon = addItem(file, "importIconAction", QStringLiteral("Import Icons"));
    m.exit = addItem(file, "exitAction", QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* edit = bar->addMenu(QStringLiteral("Bewerken"));
    m.undo = addItem(edit, "undoAction", QStringLiteral("Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    m.redo = addItem(edit, "redoAction", QStringLiteral("Opnieuw"));
    m.redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    // Until there is a change to undo or redo.
    m.undo->setEnabled(false);
    m.redo->setEnabled(false);
    m.flips[0] = addItem(edit, "flipAction1", QStringLiteral("Spiegelbeeld"), QKeySequence(QStringLiteral("Ctrl+M")));
    m.flips[1] = addItem(edit, "flipAction2", QStringLiteral("Rotatie 180°"), QKeySequence(QStringLiteral("Ctrl+R")));
    m.rasterModeMenu = edit->addMenu(QStringLiteral("Object plaatsen"));
    m.rasterModeMenu->setObjectName(QStringLiteral("rasterModeMenu"));
    auto* rasterGroup = new QActionGroup(edit);
    const char* rasterCaptions[6] = {"And", "Copy", "Merge paint", "Not copy", "Invert", "Paint"};
    for (int i = 0; i < 6; ++i) {
        QAction* a = addCheckItem(m.rasterModeMenu, QStringLiteral("rasterModeAction%1").arg(i + 1), QLatin1String(rasterCaptions[i]), i == 0);
        rasterGroup->addAction(a);
        m.rasterModes[size_t(i)] = a;
    }
    edit->addSeparator();
    m.copy = addItem(edit, "copyAction", QStringLiteral("Copy"));
    m.paste = addItem(edit, "pasteAction", QStringLiteral("Plakken"));

    QMenu* show = bar->addMenu(QStringLiteral("Show"));
    m.drawingCross = addCheckItem(show, "drawingCrossAction", QStringLiteral("Tekenkruis"), false,
                                    QKeySequence(QStringLiteral("Ctrl+T")));
    m.pointerMenu = show->addMenu(QStringLiteral("Muiscursor"));
    m.pointerMenu->setObjectName(QStringLiteral("pointerMenu"));
    auto* pointerGroup = new QActionGroup(show);
    m.pointerShapes[0] = addCheckItem(m.pointerMenu, "pointerShapeAction1", QStringLiteral("Arrow"), true);
    m.pointerShapes[1] = addCheckItem(m.pointerMenu, "pointerShapeAction2", QStringLiteral("Cross"), false);
    pointerGroup->addAction(m.pointerShapes[0]);
    pointerGroup->addAction(m.pointerShapes[1]);
    m.border = addItem(show, "borderAction", QStringLiteral("Border"), QKeySequence(QStringLiteral("Ctrl+B")));
    show->addSeparator();
    m.sound = addCheckItem(show, "soundAction", QStringLiteral("Geluid aan"), true,
                                QKeySequence(QStringLiteral("Ctrl+G")));
    m.magnifier = addCheckItem(show, "magnifierAction", QStringLiteral("Loep uit"), false, QKeySequence(QStringLiteral("Ctrl+L")));
    show->addSeparator();
    m.floorBelow = addCheckItem(show, "floorBelowAction", QStringLiteral("Verdieping eronder"), false);
    m.grid = addCheckItem(show, "gridAction", QStringLiteral("Raster"), false);

    QMenu* extra = bar->addMenu(QStringLiteral("Extra"));
    m.iconEditor = addItem(extra, "iconEditorAction", QStringLiteral("Icon Editor"), QKeySequence(QStringLiteral("Ctrl+I")));
    m.configuration = addItem(extra, "configurationAction", QStringLiteral("Configuratie"), QKeySequence(QStringLiteral("Ctrl+C")));
    m.scale = addItem(extra, "scaleAction", QStringLiteral("Schaal..."));
    m.snapToGrid = addCheckItem(extra, "snapToGridAction", QStringLiteral("Uitlijnen op raster"), false);
    m.printToScale = addItem(extra, "printToScaleAction", QStringLiteral("Printen op schaal..."));
    m.underlay = addItem(extra, "underlayAction", QStringLiteral("Onderlegger..."));
    // A disabled item says on hover what it waits for.
    extra->setToolTipsVisible(true);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    m.help = addItem(help, "helpAction", QStringLiteral("Uitleg Programma"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    m.moreSoftware = addItem(help, "moreSoftwareAction", QStringLiteral("Meer Software"));
    return m;
}
