#include "editing/IconPanel.h"

#include "core/Geometry.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

namespace {
QToolButton* makeButton(QWidget* parent, const char* name, const QString& picture, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(picture));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

IconPanel::IconPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("importedIconPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    placeTwips(this, 75, 4050, 1800, 1080);

    placeTwips(makeBackdrop(this, "importedIconBackdrop", PanelBackdrop), 120, 210, 660, 660);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("importedIconImage"));
    m_icon->setToolTip(QStringLiteral(" Import Icon 35 x 35 "));
    setBackground(m_icon, PanelBackdrop);
    placeTwips(m_icon, 195, 285, 525, 525);
    m_icon->installEventFilter(this);

    placeTwips(makeBackdrop(this, "turnIconBackdrop", PanelBackdrop), 900, 210, 420, 675);
    m_mirror = makeButton(this, "mirrorIconButton", QStringLiteral(":/buttons/mirror.png"), QStringLiteral(" Spiegelbeeld "));
    placeTwips(m_mirror, 930, 240, 360, 315);
    m_rotate = makeButton(this, "rotateIconButton", QStringLiteral(":/buttons/rotate.png"), QStringLiteral(" Rotatie 90° "));
    placeTwips(m_rotate, 930, 555, 360, 315);

    placeTwips(makeBackdrop(this, "importIconBackdrop", PanelBackdrop), 1320, 210, 375, 375);
    m_import = makeButton(this, "importIconButton", QStringLiteral(":/buttons/import.png"), QStringLiteral(" Import Icon "));
    placeTwips(m_import, 1350, 240, 315, 315);
}

bool IconPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_icon && event->type() == QEvent::MouseButtonPress) {
        emit iconClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
