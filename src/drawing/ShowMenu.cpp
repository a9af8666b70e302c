#include "drawing/ShowMenu.h"

#include "drawing/Border.h"
#include "drawing/Magnifier.h"
#include "drawing/MagnifierPanel.h"
#include "floors/CanvasWidget.h"
#include "shell/MainWindow.h"

#include <QAction>

ShowMenu::ShowMenu(MainWindow& main)
    : QObject(&main)
    , m_main(main)
    , m_magnifier(new Magnifier(main.context().state, *main.magnifierPanel()->LoepPicture(), this))
{
    const MainMenus& menus = main.menus();
    connect(menus.ShowLoep, &QAction::triggered, this, &ShowMenu::ShowLoep);
    connect(menus.ShowTekenkruis, &QAction::triggered, this, &ShowMenu::ShowTekenkruis);
    connect(menus.ShowBorder, &QAction::triggered, this, &ShowMenu::ShowBorder);
    for (int index = 1; index <= 2; ++index)
        connect(menus.ShowMuiscursorKeuze[size_t(index - 1)], &QAction::triggered, this,
                [this, index] { ShowMuiscursorKeuze(index); });
}

void ShowMenu::ShowLoep()
{
    QAction* item = m_main.menus().ShowLoep;
    if (item->isChecked()) {
        item->setText(QStringLiteral("Loep aan"));
        m_magnifier->switchOn();
    } else {
        m_magnifier->switchOff();
        item->setText(QStringLiteral("Loep uit"));
    }
}

void ShowMenu::ShowTekenkruis()
{
    const bool visible = m_main.menus().ShowTekenkruis->isChecked();
    for (int f = 1; f <= 3; ++f) {
        m_main.floors().floor(f).overlays.crossVisible = visible;
        m_main.Pic(f)->update();
    }
}

void ShowMenu::ShowMuiscursorKeuze(int index)
{
    if (index != 1 && index != 2)
        return;
    const MainMenus& menus = m_main.menus();
    menus.ShowMuiscursorKeuze[0]->setChecked(index == 1);
    menus.ShowMuiscursorKeuze[1]->setChecked(index == 2);
    m_main.context().state.PointerShape = index == 1 ? 0 : 2;
    for (int f = 1; f <= 3; ++f)
        m_main.Pic(f)->setCursor(index == 1 ? Qt::ArrowCursor : Qt::CrossCursor);
}

void ShowMenu::ShowBorder()
{
    const Algemeen& state = m_main.context().state;
    Floor& floor = m_main.floors().floor(state.CurrentFloor);
    toggleBorder(floor.image, floor.pen, qRgb(state.ColorRed, state.ColorGreen, state.ColorBlue));
    m_main.Pic(state.CurrentFloor)->update();
}
