#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

struct AppContext;

// What the icon editor window works on: the 35 x 35 icon, its enlarged grid,
// the drawing colour and the pointer on the grid. No widgets here: the window
// shows this state and hands the pointer in, in grid pixels.
class IconEditor : public QObject {
    Q_OBJECT
public:
    static constexpr int ColourPickTool = 14;

    explicit IconEditor(AppContext& context, QObject* parent = nullptr);

    const QImage& icon() const { return m_icon; }
    const QImage& grid() const { return m_grid; }
    QRgb drawingColour() const { return m_colour; }
    int tool() const { return m_tool; }
    bool isPickingColour() const { return m_tool == ColourPickTool; }
    QString caption() const { return m_caption; }
    QString coordText() const { return m_coordText; }

    void setDrawingColour(QRgb colour);
    void setTool(int index) { m_tool = index; }
    void setCaption(const QString& caption);

    // Pointer on the grid, in pixels of its drawing area.
    void pointerPressed(QPoint at, Qt::MouseButtons buttons);
    void pointerMoved(QPoint at, Qt::MouseButtons buttons);

    // Changes of the whole icon; each redraws what depends on it.
    void setIcon(const QImage& icon);
    void changeIcon(void (*operation)(QImage&));
    void changeIcon(void (*operation)(QImage&, int, QRgb), int n);
    void clear();
    void fill();
    // The next press on the grid takes its colour instead of painting.
    void startColourPick();

    static const QString DefaultCaption;

signals:
    void gridChanged(QRect area);
    void iconChanged();
    void drawingColourChanged(QRgb colour);
    void coordTextChanged(const QString& text);
    void captionChanged(const QString& caption);
    void pickingChanged(bool picking);

private:
    void showCoords(QPoint at);
    void paintCell(QPoint cell);
    void paintCellsTo(QPoint cell);
    void pickColour(QPoint at);
    void redrawGrid();

    AppContext& m_context;
    QImage m_icon;
    QImage m_grid;
    QRgb m_colour = 0xff000000;
    int m_tool = 0;
    QString m_caption = DefaultCaption;
    QString m_coordText;
    // The cell the left button last painted during a drag.
    std::optional<QPoint> m_lastCell;
};
