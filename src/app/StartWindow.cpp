#include "app/StartWindow.h"

#include "app/VersionText.h"
#include "core/Geometry.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {
// The designed outer size includes a caption and borders; the controls live
// in a client area this much smaller.
constexpr int FrameAllowanceX = 8;
constexpr int FrameAllowanceY = 30;

const QColor LightGrey(224, 224, 224);

QFont arial9(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

// The picture keeps its own size unless it would spill over its grey backdrop.
QPixmap fitted(const QPixmap& picture, QSize room)
{
    if (picture.width() <= room.width() && picture.height() <= room.height())
        return picture;
    return picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

StartWindow::StartWindow(const QString& versionText, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("startWindow"));
    setAutoFillBackground(true);
    setWindowTitle(QStringLiteral(" Welkom"));
    setFixedSize(px(4950) - FrameAllowanceX, px(3090) - FrameAllowanceY);

    m_frame = makePanel(this, "startPanel");
    placeTwips(m_frame, 60, -30, 4755, 2700);

    m_backlogo = makeBackdrop(m_frame, "logoBackdrop", LightGrey);
    placeTwips(m_backlogo, 120, 210, 1575, 1560);
    m_picture = new QLabel(m_frame);
    m_picture->setObjectName(QStringLiteral("startPicture"));
    const QPixmap picture(QStringLiteral(":/pictures/welcome.png"));
    if (!picture.isNull()) {
        const QSize room(m_backlogo->width() - 2 * (px(180) - px(120)),
                         m_backlogo->height() - 2 * (px(270) - px(210)));
        m_picture->setPixmap(fitted(picture, room));
    }
    placeTwips(m_picture, 180, 270);

    m_answer = welcomeText(versionText);
    m_welcome = makeBackdrop(m_frame, "welcomeText", Qt::white);
    m_welcome->setFont(arial9(false));
    setForeground(m_welcome, QColor(64, 64, 64));
    m_welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_welcome->setIndent(4);
    m_welcome->setText(QString(m_answer).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    placeTwips(m_welcome, 1830, 225, 2820, 1530);

    m_notice = makeBackdrop(m_frame, "noticeText", LightGrey);
    m_notice->setFont(arial9(true));
    setForeground(m_notice, QColor(128, 128, 128));
    m_notice->setWordWrap(true);
    m_notice->setIndent(4);
    m_notice->setText(QStringLiteral("Vrij te gebruiken en te delen. Controleer de maten van een "
                                     "tekening altijd zelf."));
    placeTwips(m_notice, 135, 1875, 3765, 750);

    placeTwips(makeBackdrop(m_frame, "startOkBackdrop", PanelBackdrop), 3960, 2190, 630, 360);
    m_ok = new QPushButton(QStringLiteral("Ok"), m_frame);
    m_ok->setObjectName(QStringLiteral("startOkButton"));
    m_ok->setDefault(true);
    placeTwips(m_ok, 3990, 2220, 570, 300);
    connect(m_ok, &QPushButton::clicked, this, &StartWindow::okChosen);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
