#include "drawing/ShowMenu.h"

#include "core/Settings.h"
#include "drawing/Border.h"
#include "drawing/magnifier/Magnifier.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"

#include <QAction>

ShowMenu::ShowMenu(const Settings& settings, MagnifierOptions& magnifierOptions, Plan& plan,
                   std::array<CanvasWidget*, 3> canvases, MagnifierView& loepPicture, Items items, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_plan(plan)
    , m_canvases(canvases)
    , m_items(items)
    , m_magnifier(new Magnifier(magnifierOptions, plan.toolChoice, loepPicture, this))
{
    connect(items.loep, &QAction::triggered, this, &ShowMenu::toggleMagnifier);
    connect(items.cross, &QAction::triggered, this, &ShowMenu::toggleDrawingCross);
    connect(items.border, &QAction::triggered, this, &ShowMenu::drawBorder);
    for (int index = 1; index <= 2; ++index)
        connect(items.pointerShapes[size_t(index - 1)], &QAction::triggered, this,
                [this, index] { choosePointerShape(index); });
}

void ShowMenu::toggleMagnifier()
{
    QAction* item = m_items.loep;
    if (item->isChecked()) {
        item->setText(QStringLiteral("Loep aan"));
        m_magnifier->switchOn();
    } else {
        m_magnifier->switchOff();
        item->setText(QStringLiteral("Loep uit"));
    }
}

void ShowMenu::toggleDrawingCross()
{
    const bool visible = m_items.cross->isChecked();
    for (int f = 1; f <= 3; ++f) {
        m_plan.floor(f).overlays.crossVisible = visible;
        m_canvases[size_t(f - 1)]->update();
    }
}

void ShowMenu::choosePointerShape(int index)
{
    if (index != 1 && index != 2)
        return;
    m_items.pointerShapes[0]->setChecked(index == 1);
    m_items.pointerShapes[1]->setChecked(index == 2);
    for (int f = 1; f <= 3; ++f)
        m_canvases[size_t(f - 1)]->setCursor(index == 1 ? Qt::ArrowCursor : Qt::CrossCursor);
}

void ShowMenu::drawBorder()
{
    const int f = m_plan.currentFloor();
    Floor& floor = m_plan.floor(f);
    m_plan.history().record({f}, QStringLiteral("border"),
                            [&] { toggleBorder(floor.image, floor.pen, m_settings.drawingColour()); });
    m_canvases[size_t(f - 1)]->update();
}
