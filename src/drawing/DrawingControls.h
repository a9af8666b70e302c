#pragma once

#include "drawing/DrawingStyle.h"
#include "drawing/PointerEngine.h"

#include <QObject>

class MainWindow;

// Connects the main window's canvases, coordinate read-out, colour, eraser and
// line-style controls and the Undo, Copy and Plakken menu entries to the
// pointer engine and the drawing attributes, and repaints what changed.
class DrawingControls : public QObject {
    Q_OBJECT
public:
    explicit DrawingControls(MainWindow& window);

    PointerEngine& engine() { return m_engine; }

private:
    void wireCanvases();
    void wireStyleControls();
    void wireEditMenu();
    void repaint(int floor, const QRegion& area);
    void showCoordinates();

    MainWindow& m_window;
    PointerEngine m_engine;
    DrawingStyle m_style;
    QRect m_coordGeometry;
};
