#include "drawing/ColorPanel.h"

#include "core/Geometry.h"

#include <QLabel>
#include <QScrollBar>

ColorPanel::ColorPanel(QWidget* frame) : QObject(frame)
{
    placeTwips(makeBackdrop(frame, "colourBarsBackdrop", PanelBackdrop), 120, 3300, 1065, 690);
    const int tops[3] = {3330, 3540, 3750};
    for (int i = 0; i < 3; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setObjectName(QStringLiteral("colourBar%1").arg(i + 1));
        bar->setRange(0, 255);
        placeTwips(bar, 150, tops[i], 1005, 210);
        m_bars[size_t(i)] = bar;
    }
    m_swatch = new QLabel(frame);
    m_swatch->setObjectName(QStringLiteral("colourSwatch"));
    m_swatch->setToolTip(QStringLiteral(" Freeform, Spray, Fill en Border "));
    placeTwips(m_swatch, 1260, 3300, 435, 690);
    setSwatch(0, 0, 0);
}

void ColorPanel::setSwatch(int red, int green, int blue)
{
    setBackground(m_swatch, QColor(red, green, blue));
}
