#include "editing/EditingCommands.h"

#include "editing/FloorFlip.h"
#include "editing/IconImport.h"
#include "editing/IconPanel.h"
#include "editing/RasterModeMenu.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QToolButton>

#include <memory>

void wireEditingCommands(MainWindow& window)
{
    AppContext& context = window.context();
    const MainMenus& menus = window.menus();
    const std::array<CanvasWidget*, 3> canvases{window.Pic(1), window.Pic(2), window.Pic(3)};

    auto rasterModes = std::make_shared<RasterModeMenu>(context.state, menus.EditObjectCopy);
    for (int k = 1; k <= RasterModeMenu::ModeCount; ++k) {
        QObject::connect(menus.EditObjectCopy[size_t(k - 1)], &QAction::triggered, &window,
                         [rasterModes, k] { rasterModes->choose(k); });
    }

    auto flip = std::make_shared<FloorFlip>(context, window.floors(), canvases);
    for (int k = 1; k <= 2; ++k)
        QObject::connect(menus.EditFlip[size_t(k - 1)], &QAction::triggered, &window, [flip, k] { flip->EditFlip(k); });

    IconPanel* panel = window.iconPanel();
    auto* icon = new IconImport(context, window.floors(), *panel, canvases, &window);
    QObject::connect(menus.FileImportIcon, &QAction::triggered, icon, &IconImport::importIcon);
    QObject::connect(panel->ImportKnop(), &QToolButton::clicked, icon, &IconImport::importIcon);
    QObject::connect(panel, &IconPanel::iconClicked, icon, &IconImport::chooseIcon);
    QObject::connect(panel->RotateKnop(), &QToolButton::clicked, icon, &IconImport::RotateIcon);
    QObject::connect(panel->MirrorKnop(), &QToolButton::clicked, icon, &IconImport::MirrorIcon);
}
