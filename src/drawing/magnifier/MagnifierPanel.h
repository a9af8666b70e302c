#pragma once

#include <QFrame>

class MagnifierView;

// The magnifier panel: the enlarged view and its two grey cross hairs.
class MagnifierPanel : public QFrame {
    Q_OBJECT
public:
    explicit MagnifierPanel(QWidget* parent);

    MagnifierView* LoepPicture() const { return m_view; }
    QFrame* LoepVlijn() const { return m_vertical; }
    QFrame* LoepHlijn() const { return m_horizontal; }
    void setHairsVisible(bool visible);

private:
    MagnifierView* m_view = nullptr;
    QFrame* m_vertical = nullptr;
    QFrame* m_horizontal = nullptr;
};
