#include "plan/Plan.h"

#include "core/Prompts.h"
#include "image/Twips.h"

#include <QtGlobal>

Plan::Plan(int canvasWidth, qsizetype undoBudget)
    : m_floors{Floor(canvasWidth, CanvasHeight), Floor(canvasWidth, CanvasHeight), Floor(canvasWidth, CanvasHeight)}
    , m_history(m_floors, undoBudget)
{
}

Floor& Plan::floor(int index)
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_floors[size_t(index - 1)];
}

const Floor& Plan::floor(int index) const
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_floors[size_t(index - 1)];
}

void Plan::setCurrentFloor(int index)
{
    Q_ASSERT(index >= 1 && index <= 3);
    m_currentFloor = index;
}

int Plan::canvasWidth() const
{
    return m_floors[0].shownWidth();
}

// A setting, not a change: the history keeps whole pictures, hidden columns included.
void Plan::setCanvasWidth(int width)
{
    m_history.aroundWidthChange([this, width] {
        for (Floor& f : m_floors)
            f.setShownWidth(width);
    });
    for (int i = 1; i <= 3; ++i)
        renderUnderlay(i);
}

Underlay& Plan::underlay(int index)
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_underlays[size_t(index - 1)];
}

void Plan::renderUnderlay(int index)
{
    underlay(index).render(floor(index).image.size());
}

void Plan::copy(int index)
{
    m_copyBuffer = floor(index).image.copy();
}

void Plan::paste(int index)
{
    m_history.record({index}, QStringLiteral("plakken"), [this, index] { floor(index).setPicture(m_copyBuffer); });
}

QString Plan::floorName(int index)
{
    switch (index) {
    case 1: return QStringLiteral("Begane grond");
    case 2: return QStringLiteral("1e verdieping");
    case 3: return QStringLiteral("2e verdieping");
    }
    return {};
}

bool confirmDroppingHiddenColumns(Prompts& prompts, const Floor& floor)
{
    if (!floor.hasHiddenDrawing())
        return true;
    return prompts.askYesNo(QStringLiteral(" Verborgen deel"),
                            QStringLiteral("Rechts van het canvas staat nog tekening die bij deze breedte niet te zien is.\r\n"
                                           "Deze bewerking werkt alleen op het zichtbare deel; het verborgen deel verdwijnt.\r\n"
                                           "Wilt u doorgaan?"));
}
