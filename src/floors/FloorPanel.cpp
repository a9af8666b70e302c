#include "floors/FloorPanel.h"

#include "core/Geometry.h"
#include "plan/Plan.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

FloorPanel::FloorPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("floorPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    placeTwips(this, 7470, 525, 3255, 1500);

    placeTwips(makeBackdrop(this, "floorPanelBackdrop", PanelBackdrop), 120, 210, 1965, 1170);
    for (int i = 1; i <= 3; ++i) {
        const int top = 240 + 375 * (i - 1);
        auto* show = new QPushButton(Plan::floorName(i), this);
        show->setObjectName(QStringLiteral("showFloorButton%1").arg(i));
        placeTwips(show, 150, top, 1290, 360);
        connect(show, &QPushButton::clicked, this, [this, i] { emit showRequested(i); });
        m_show[size_t(i - 1)] = show;

        auto* clear = new QPushButton(this);
        clear->setObjectName(QStringLiteral("clearFloorButton%1").arg(i));
        clear->setIcon(QIcon(QStringLiteral(":/buttons/clear_%1.png").arg(i)));
        clear->setIconSize(QSize(px(615) - 6, px(360) - 6));
        clear->setToolTip(QStringLiteral(" Wis deze verdieping "));
        placeTwips(clear, 1440, top, 615, 360);
        connect(clear, &QPushButton::clicked, this, &FloorPanel::clearRequested);
        m_clear[size_t(i - 1)] = clear;
    }
    m_widthLabel = new QLabel(QStringLiteral("Small"), this);
    m_widthLabel->setObjectName(QStringLiteral("canvasWidthLabel"));
    placeTwips(m_widthLabel, 2175, 315);
    showFloorState(1);
}

void FloorPanel::showFloorState(int floor)
{
    for (int j = 1; j <= 3; ++j) {
        m_show[size_t(j - 1)]->setEnabled(j != floor);
        m_clear[size_t(j - 1)]->setEnabled(j == floor);
    }
}
