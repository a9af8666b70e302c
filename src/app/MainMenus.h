#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menus, named as the rest of the program refers to them.
struct MainMenus {
    QAction* FileNieuw = nullptr;
    QAction* FileLoad = nullptr;
    QMenu* FileSave = nullptr;
    std::array<QAction*, 3> FileSaveJpg{};
    QAction* FilePrint = nullptr;
    QAction* FileSetupPrinter = nullptr;
    QAction* FileImportIcon = nullptr;
    QAction* FileExit = nullptr;

    QAction* EditUndo = nullptr;
    std::array<QAction*, 2> EditFlip{};
    QMenu* EditObject = nullptr;
    std::array<QAction*, 6> EditObjectCopy{};
    QAction* EditCopy = nullptr;
    QAction* EditPlakken = nullptr;

    QAction* ShowTekenkruis = nullptr;
    QMenu* ShowMuiscursor = nullptr;
    std::array<QAction*, 2> ShowMuiscursorKeuze{};
    QAction* ShowBorder = nullptr;
    QAction* ShowGeluid = nullptr;
    QAction* ShowLoep = nullptr;
    QAction* ShowVerdiepingEronder = nullptr;
    QAction* ShowRaster = nullptr;

    QAction* ToolsIconedit = nullptr;
    QAction* ExtraConfig = nullptr;
    QAction* ExtraSchaal = nullptr;
    QAction* ExtraUitlijnen = nullptr;
    QAction* ExtraPrintenOpSchaal = nullptr;

    QAction* HelpUitleg = nullptr;
    QAction* HelpSoftware = nullptr;

    static MainMenus build(QMenuBar* bar);
};
