#include "drawing/magnifier/MagnifierPanel.h"

#include "core/Geometry.h"
#include "drawing/magnifier/MagnifierView.h"

#include <QLabel>

MagnifierPanel::MagnifierPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("magnifierPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    placeTwips(this, 75, 5130, 1800, 1890);

    placeTwips(makeBackdrop(this, "magnifierBackdrop", PanelBackdrop), 75, 180, 1635, 1620);
    m_view = new MagnifierView(this);
    m_view->setObjectName(QStringLiteral("magnifierView"));
    m_view->setToolTip(QStringLiteral(" Vergroting "));
    setBackground(m_view, QColor(64, 64, 64));
    placeTwips(m_view, 150, 240, 1515, 1515);

    // The hairs run past the picture's edge; the picture clips them.
    m_vertical = new QFrame(m_view);
    m_vertical->setObjectName(QStringLiteral("magnifierVerticalHair"));
    m_vertical->setGeometry(px(785), 0, 1, px(1755));
    m_horizontal = new QFrame(m_view);
    m_horizontal->setObjectName(QStringLiteral("magnifierHorizontalHair"));
    m_horizontal->setGeometry(0, px(785), px(1755), 1);
    for (QFrame* hair : {m_vertical, m_horizontal})
        setBackground(hair, QColor(128, 128, 128));
    setHairsVisible(false);
}

void MagnifierPanel::setHairsVisible(bool visible)
{
    m_vertical->setVisible(visible);
    m_horizontal->setVisible(visible);
}
