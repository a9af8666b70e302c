#include "drawing/DrawingStyle.h"

#include "core/AppContext.h"
#include "plan/Plan.h"

DrawingStyle::DrawingStyle(AppContext& app, Plan& plan)
    : m_app(app)
    , m_plan(plan)
{
}

QColor DrawingStyle::colourBarDragged(int bar, int value)
{
    Settings& s = m_app.settings;
    switch (bar) {
    case 1: s.red = value; break;
    case 2: s.green = value; break;
    case 3: s.blue = value; break;
    default: break;
    }
    m_app.showInfoText(
        QStringLiteral("Rood: %1, Groen: %2, Blauw: %3").arg(s.red).arg(s.green).arg(s.blue));
    return QColor(s.red, s.green, s.blue);
}

QString DrawingStyle::eraserSizeChanged(int value)
{
    m_plan.toolChoice.eraserSize = value;
    for (int i = 1; i <= 3; ++i)
        m_plan.floor(i).overlays.gum.setSize(QSize(value, value));
    return QString::number(value) + QStringLiteral(" pixels");
}

QString DrawingStyle::lineStyleClicked(bool ticked)
{
    for (int i = 1; i <= 3; ++i)
        m_plan.floor(i).pen.dotted = !ticked;
    return ticked ? QStringLiteral("Onafgebroken lijn") : QStringLiteral("Stippellijn");
}
