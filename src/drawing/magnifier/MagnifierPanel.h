#pragma once

#include <QFrame>

class MagnifierView;

// The magnifier panel: the enlarged view and its two grey cross hairs.
class MagnifierPanel : public QFrame {
    Q_OBJECT
public:
    explicit MagnifierPanel(QWidget* parent);

    MagnifierView* view() const { return m_view; }
    void setHairsVisible(bool visible);

private:
    MagnifierView* m_view = nullptr;
    QFrame* m_vertical = nullptr;
    QFrame* m_horizontal = nullptr;
};
