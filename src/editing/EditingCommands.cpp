#include "editing/EditingCommands.h"

#include "core/AppContext.h"
#include "editing/FloorFlip.h"
#include "editing/IconImport.h"
#include "editing/IconPanel.h"
#include "editing/RasterModeMenu.h"
#include "plan/Plan.h"

#include <QAction>
#include <QToolButton>

#include <memory>

void wireEditingCommands(AppContext& context, Plan& plan, const EditingControls& controls, QObject* owner)
{
    const std::array<CanvasWidget*, 3>& canvases = controls.canvases;

    auto rasterModes = std::make_shared<RasterModeMenu>(plan.toolChoice, controls.rasterModes);
    for (int k = 1; k <= RasterModeMenu::ModeCount; ++k) {
        QObject::connect(controls.rasterModes[size_t(k - 1)], &QAction::triggered, owner,
                         [rasterModes, k] { rasterModes->choose(k); });
    }

    auto flip = std::make_shared<FloorFlip>(context, plan, canvases);
    for (int k = 1; k <= 2; ++k)
        QObject::connect(controls.flips[size_t(k - 1)], &QAction::triggered, owner, [flip, k] { flip->flip(k); });

    IconPanel* panel = controls.iconPanel;
    auto* icon = new IconImport(context, plan, *panel, canvases, owner);
    QObject::connect(controls.importIcon, &QAction::triggered, icon, &IconImport::importIcon);
    QObject::connect(panel->importButton(), &QToolButton::clicked, icon, &IconImport::importIcon);
    QObject::connect(panel, &IconPanel::iconClicked, icon, &IconImport::chooseIcon);
    QObject::connect(panel->rotateButton(), &QToolButton::clicked, icon, &IconImport::rotateImportedIcon);
    QObject::connect(panel->mirrorButton(), &QToolButton::clicked, icon, &IconImport::mirrorImportedIcon);
}
