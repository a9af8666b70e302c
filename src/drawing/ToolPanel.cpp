#include "drawing/ToolPanel.h"

#include "core/Geometry.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

ToolPanel::ToolPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("toolPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    placeTwips(this, 7470, 2415, 3255, 4110);

    placeTwips(makeBackdrop(this, "toolButtonsBackdrop", PanelBackdrop), 90, 195, 3060, 2460);
    for (int i = 1; i <= ToolCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("toolButton%1").arg(i));
        button->setIcon(QIcon(QStringLiteral(":/buttons/tool_%1.png").arg(i, 2, 10, QLatin1Char('0'))));
        button->setIconSize(QSize(32, 32));
        button->setFocusPolicy(Qt::NoFocus);
        placeTwips(button, 120 + 600 * ((i - 1) % 5), 225 + 600 * ((i - 1) / 5), 600, 600);
        connect(button, &QToolButton::clicked, this, [this, i] { emit toolClicked(toolOfButton(i)); });
        m_tools[size_t(i - 1)] = button;
    }
    m_tools.back()->setToolTip(QStringLiteral(" Show alle onderdelen "));

    m_gumBack = makeBackdrop(this, "eraserBackdrop", PanelBackdrop);
    placeTwips(m_gumBack, 120, 2850, 1200, 270);
    m_gumScroll = new QScrollBar(Qt::Horizontal, this);
    m_gumScroll->setObjectName(QStringLiteral("eraserSizeBar"));
    m_gumScroll->setRange(5, 30);
    m_gumScroll->setValue(10);
    placeTwips(m_gumScroll, 150, 2880, 1140, 210);
    m_gumLabel = new QLabel(QStringLiteral("10 pixels"), this);
    m_gumLabel->setObjectName(QStringLiteral("eraserSizeLabel"));
    placeTwips(m_gumLabel, 1380, 2880);
    for (QWidget* w : {static_cast<QWidget*>(m_gumBack), static_cast<QWidget*>(m_gumScroll),
                       static_cast<QWidget*>(m_gumLabel)})
        w->hide();

    for (int i = 1; i <= 10; ++i) {
        auto* option = new QLabel(this);
        option->setObjectName(QStringLiteral("optionImage%1").arg(i));
        option->setAlignment(Qt::AlignCenter);
        placeTwips(option, 180 + 600 * ((i - 1) % 5), 2850 + 600 * ((i - 1) / 5), 525, 525);
        option->installEventFilter(this);
        option->hide();
        m_options[size_t(i - 1)] = option;
    }
}

bool ToolPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 1; i <= 10; ++i) {
            if (watched == m_options[size_t(i - 1)]) {
                emit optionClicked(i);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
