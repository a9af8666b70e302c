#include "app/ConfigDialog.h"

#include "app/MainWindow.h"
#include "core/Geometry.h"
#include "core/Rounding.h"
#include "drawing/magnifier/MagnifierOptions.h"
#include "drawing/magnifier/MagnifierPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
// The designed outer size includes a caption and borders; the controls live
// in a client area this much smaller.
constexpr int FrameAllowanceX = 8;
constexpr int FrameAllowanceY = 30;
constexpr int TwipsPerWidthStep = 300;

QScrollBar* makeBar(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

QString widthText(int canvasExtraWidth)
{
    const double pixels = canvasExtraWidth / double(TwipsPerPixel) + BaseCanvasWidth;
    return QLatin1Char(' ') + QString::number(pixels, 'g', 15) + QStringLiteral(" pixels breed");
}
} // namespace

int widthStepFor(int canvasExtraWidth)
{
    return roundHalfToEven(canvasExtraWidth / double(TwipsPerWidthStep));
}

ConfigDialog::ConfigDialog(MainWindow& main)
    : QDialog(&main)
    , m_main(main)
    , m_settings(main.context().settings)
    , m_magnifier(main.magnifierOptions())
{
    setObjectName(QStringLiteral("configurationDialog"));
    setAutoFillBackground(true);
    setWindowTitle(QStringLiteral("Configuratie"));
    setModal(true);
    setFixedSize(px(4800) - FrameAllowanceX, px(3000) - FrameAllowanceY);
    buildControls();

    // Each step runs the control's own handler, as a change by the user would.
    m_format[m_settings.saveAsJpg ? 0 : 1]->setChecked(true);
    m_zoom->setValue(m_magnifier.zoom);
    showZoom(m_zoom->value());
    if (m_magnifier.coordinatesOn)
        m_hairs->setChecked(true);
    m_width->setValue(widthStepFor(m_settings.canvasExtraWidth));
    m_widthText->setText(widthText(m_settings.canvasExtraWidth));
    m_widthText->adjustSize();
}

void ConfigDialog::buildControls()
{
    QFrame* frame = makePanel(this, "configurationPanel");
    placeTwips(frame, 60, -30, 4605, 2610);

    const char* formats[2] = {"Plattegrond opslaan als Jpg", "Plattegrond opslaan als Bmp"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QLatin1String(formats[i]), frame);
        option->setObjectName(QStringLiteral("saveFormatButton%1").arg(i));
        placeTwips(option, 120, 240 + 270 * i);
        group->addButton(option, i);
        m_format[size_t(i)] = option;
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_settings.saveAsJpg = (id == 0);
    });

    placeTwips(makeBackdrop(frame, "magnifierZoomBackdrop", PanelBackdrop), 150, 990, 1200, 300);
    m_zoom = makeBar(frame, "magnifierZoomBar", 1, 6);
    placeTwips(m_zoom, 180, 1020, 1140, 240);
    m_zoomText = new QLabel(frame);
    m_zoomText->setObjectName(QStringLiteral("magnifierZoomText"));
    m_zoomText->move(px(1440), px(1035));
    connect(m_zoom, &QScrollBar::valueChanged, this, &ConfigDialog::zoomChanged);

    m_hairs = new QCheckBox(QStringLiteral("Loepcoördinaten uit"), frame);
    m_hairs->setObjectName(QStringLiteral("magnifierHairsCheck"));
    m_hairs->setGeometry(px(150), px(1500), px(2100), m_hairs->sizeHint().height());
    connect(m_hairs, &QCheckBox::toggled, this, &ConfigDialog::hairsToggled);

    placeTwips(makeBackdrop(frame, "canvasWidthBackdrop", PanelBackdrop), 150, 1950, 1200, 300);
    m_width = makeBar(frame, "canvasWidthBar", 0, 6);
    placeTwips(m_width, 180, 1980, 1140, 240);
    m_widthText = new QLabel(QStringLiteral("350 pixels breed"), frame);
    m_widthText->setObjectName(QStringLiteral("canvasWidthText"));
    placeTwips(m_widthText, 1440, 1995);
    connect(m_width, &QScrollBar::valueChanged, this, &ConfigDialog::widthChanged);

    placeTwips(makeBackdrop(frame, "configurationPictureBackdrop", PanelBackdrop), 2910, 210, 1575, 1560);
    m_picture = new QLabel(frame);
    m_picture->setObjectName(QStringLiteral("configurationPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    placeTwips(m_picture, 2970, 270, 1465, 1455);
    const QPixmap picture(QStringLiteral(":/pictures/config.png"));
    if (!picture.isNull())
        m_picture->setPixmap(picture.scaled(m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    placeTwips(makeBackdrop(frame, "configurationOkBackdrop", PanelBackdrop), 3690, 2130, 810, 375);
    m_ok = new QPushButton(QStringLiteral("Exit"), frame);
    m_ok->setObjectName(QStringLiteral("configurationOkButton"));
    placeTwips(m_ok, 3720, 2160, 750, 315);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ConfigDialog::zoomChanged(int value)
{
    m_magnifier.zoom = value;
    showZoom(value);
}

void ConfigDialog::showZoom(int value)
{
    m_zoomText->setText(QStringLiteral("Vergroting loep ") + QString::number(value) + QStringLiteral(" x"));
    m_zoomText->adjustSize();
}

void ConfigDialog::hairsToggled(bool checked)
{
    m_magnifier.coordinatesOn = checked;
    m_hairs->setText(checked ? QStringLiteral("Loepcoördinaten aan") : QStringLiteral("Loepcoördinaten uit"));
    m_main.magnifierPanel()->setHairsVisible(checked);
}

void ConfigDialog::widthChanged(int value)
{
    m_settings.canvasExtraWidth = TwipsPerWidthStep * value;
    m_widthText->setText(widthText(m_settings.canvasExtraWidth));
    m_widthText->adjustSize();
    // Also sets canvasWidthLabel; the floors keep their pixels.
    m_main.applyCanvasWidth();
}

void openConfigDialog(MainWindow& main)
{
    main.context().playSound(QStringLiteral("space.wav"));
    ConfigDialog dialog(main);
    dialog.exec();
}
