#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menus, named as the rest of the program refers to them.
struct MainMenus {
    QAction* newDrawing = nullptr;
    QAction* load = nullptr;
    QMenu* saveMenu = nullptr;
    std::array<QAction*, 3> saveFloors{};
    QAction* print = nullptr;
    QAction* printerSetup = nullptr;
    QAction* importIcon = nullptr;
    QAction* exit = nullptr;

    QAction* undo = nullptr;
    QAction* redo = nullptr;
    std::array<QAction*, 2> flips{};
    QMenu* rasterModeMenu = nullptr;
    std::array<QAction*, 6> rasterModes{};
    QAction* copy = nullptr;
    QAction* paste = nullptr;

    QAction* drawingCross = nullptr;
    QMenu* pointerMenu = nullptr;
    std::array<QAction*, 2> pointerShapes{};
    QAction* border = nullptr;
    QAction* sound = nullptr;
    QAction* magnifier = nullptr;
    QAction* floorBelow = nullptr;
    QAction* grid = nullptr;

    QAction* iconEditor = nullptr;
    QAction* configuration = nullptr;
    QAction* scale = nullptr;
    QAction* snapToGrid = nullptr;
    QAction* printToScale = nullptr;
    QAction* underlay = nullptr;

    QAction* help = nullptr;
    QAction* moreSoftware = nullptr;

    static MainMenus build(QMenuBar* bar);
};
