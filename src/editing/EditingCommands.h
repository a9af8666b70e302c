#pragma once

#include <array>

struct AppContext;
class CanvasWidget;
class Plan;
class IconPanel;
class QAction;
class QObject;

// The main window's entries and panel for editing.
struct EditingControls {
    std::array<CanvasWidget*, 3> canvases{};
    std::array<QAction*, 6> rasterModes{};
    std::array<QAction*, 2> flips{};
    QAction* importIcon = nullptr;
    IconPanel* iconPanel = nullptr;
};

// Connects the raster-mode entries, the floor mirrors and the imported-icon
// panel to the objects that carry them out; they live as long as `owner`.
void wireEditingCommands(AppContext& context, Plan& plan, const EditingControls& controls, QObject* owner);
