#pragma once

#include <QObject>

#include <array>

class CanvasWidget;
class Plan;
class Magnifier;
class MagnifierView;
class QAction;
struct MagnifierOptions;
struct Settings;

// The aids of the Show menu: the magnifier, the drawing cross over all three
// floors, the pointer shape over the canvases and the border round the floor.
class ShowMenu : public QObject {
    Q_OBJECT
public:
    // The menu entries it answers; their check marks are the switches.
    struct Items {
        QAction* loep = nullptr;
        QAction* cross = nullptr;
        QAction* border = nullptr;
        std::array<QAction*, 2> pointerShapes{};
    };

    ShowMenu(const Settings& settings, MagnifierOptions& magnifierOptions, Plan& plan,
             std::array<CanvasWidget*, 3> canvases, MagnifierView& loepPicture, Items items, QObject* parent);

    // Each reads the menu item's check mark as the user has just set it.
    void toggleMagnifier();
    void toggleDrawingCross();
    // 1 arrow, 2 cross; any other index changes nothing.
    void choosePointerShape(int index);
    // Draws or removes the border of the floor shown, one step for Undo.
    void drawBorder();

    Magnifier& magnifier() { return *m_magnifier; }

private:
    const Settings& m_settings;
    Plan& m_plan;
    std::array<CanvasWidget*, 3> m_canvases;
    Items m_items;
    Magnifier* m_magnifier = nullptr;
};
