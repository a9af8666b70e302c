#pragma once

#include <QFrame>

class IconEditor;

// The enlarged grid the user paints on: shows the editor's grid picture inside
// a sunken border of 2 pixels and hands the pointer on in grid pixels.
class IconGrid : public QFrame {
    Q_OBJECT
public:
    IconGrid(IconEditor& editor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint toGrid(const QMouseEvent* event) const;
    void showPicking(bool picking);

    IconEditor& m_editor;
};
