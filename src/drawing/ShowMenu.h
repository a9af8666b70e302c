#pragma once

#include <QObject>

class MainWindow;
class Magnifier;

// The aids of the Show menu: the magnifier, the drawing cross over all three
// floors, the pointer shape over the canvases and the border round the floor.
class ShowMenu : public QObject {
    Q_OBJECT
public:
    explicit ShowMenu(MainWindow& main);

    // Each reads the menu item's check mark as the user has just set it.
    void ShowLoep();
    void ShowTekenkruis();
    // 1 arrow, 2 cross; any other index changes nothing.
    void ShowMuiscursorKeuze(int index);
    // Draws or removes the border of the floor shown; takes no undo snapshot.
    void ShowBorder();

    Magnifier& magnifier() { return *m_magnifier; }

private:
    MainWindow& m_main;
    Magnifier* m_magnifier = nullptr;
};
