#include "drawing/DrawingStyle.h"

#include "core/AppContext.h"
#include "plan/Plan.h"

DrawingStyle::DrawingStyle(AppContext& app, Plan& floors)
    : m_app(app)
    , m_floors(floors)
{
}

QColor DrawingStyle::colourBarDragged(int bar, int value)
{
    Algemeen& s = m_app.state;
    switch (bar) {
    case 1: s.ColorRed = value; break;
    case 2: s.ColorGreen = value; break;
    case 3: s.ColorBlue = value; break;
    default: break;
    }
    m_app.ShowInfoText(QStringLiteral("Rood: %1, Groen: %2, Blauw: %3").arg(s.ColorRed).arg(s.ColorGreen).arg(s.ColorBlue));
    return QColor(s.ColorRed, s.ColorGreen, s.ColorBlue);
}

QString DrawingStyle::eraserSizeChanged(int value)
{
    m_app.state.EraserSize = value;
    for (int i = 1; i <= 3; ++i)
        m_floors.floor(i).overlays.gum.setSize(QSize(value, value));
    return QString::number(value) + QStringLiteral(" pixels");
}

QString DrawingStyle::lineStyleClicked(bool ticked)
{
    for (int i = 1; i <= 3; ++i)
        m_floors.floor(i).pen.dotted = !ticked;
    return ticked ? QStringLiteral("Onafgebroken lijn") : QStringLiteral("Stippellijn");
}
