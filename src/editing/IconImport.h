#pragma once

#include <QObject>

#include <array>

struct AppContext;
class CanvasWidget;
class Plan;
class IconPanel;

// The one imported 35 x 35 icon: read from a file, turned or mirrored, and
// chosen as the object to place. The icon lives in Plan::importedIcon
// and is shown by the panel's IconImage.
class IconImport : public QObject {
    Q_OBJECT
public:
    IconImport(AppContext& context, Plan& plan, IconPanel& panel, std::array<CanvasWidget*, 3> canvases,
               QObject* parent = nullptr);

    // File > Import Icons and the import button.
    void importIcon();
    // A click on IconImage: the icon becomes the object the pointer carries.
    void chooseIcon();
    // A quarter turn clockwise: new (x, y) = old (y, 34 - x).
    void rotateImportedIcon();
    // Left to right: new (x, y) = old (34 - x, y).
    void mirrorImportedIcon();

private:
    bool refuseWithoutIcon();
    void showIcon();

    AppContext& m_context;
    Plan& m_plan;
    IconPanel& m_panel;
    std::array<CanvasWidget*, 3> m_canvases;
};
