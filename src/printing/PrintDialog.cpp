#include "printing/PrintDialog.h"

#include "core/Geometry.h"
#include "core/WaitSeconds.h"
#include "plan/Plan.h"
#include "printing/PrintJob.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
// The form's designed outer size less a 4-pixel border on each side and a
// 19-pixel caption: the area the controls are placed in.
constexpr int ClientWidth = 5655 / TwipsPerPixel - 8;
constexpr int ClientHeight = 4020 / TwipsPerPixel - 27;

const QColor Field(224, 224, 224);
const QColor FieldText(64, 64, 64);

// Thumbnails sit 1710 twips apart; the scan line spans 1695 twips per floor.
constexpr int ThumbLeft = 180;
constexpr int ThumbTop = 270;
constexpr int ThumbPitch = 1710;
constexpr int ScanStep = 30;
constexpr int ScanEnd = 2520;

QLabel* makeFramedBackdrop(QWidget* parent, const char* name, const QColor& colour)
{
    QLabel* label = makeBackdrop(parent, name, colour);
    // A one-pixel rim, so the colour still shows round the controls in front.
    label->setFrameShape(QFrame::Box);
    label->setFrameShadow(QFrame::Plain);
    label->setLineWidth(1);
    return label;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}
} // namespace

PrintDialog::PrintDialog(const Plan& plan, PrintJob& job, QWidget* parent)
    : QDialog(parent)
    , m_plan(plan)
    , m_job(job)
{
    setObjectName(QStringLiteral("Afdrukken"));
    setWindowTitle(QStringLiteral(" Printen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    build();
    applyFloorCount(1);
}

QString PrintDialog::helpText()
{
    return QStringLiteral("Door middel van de scrollbalk kan het aantal plattegronden worden gekozen "
                          "dat moet worden afgedrukt. Bij begane grond en de 1e verdieping "
                          "worden deze vergroot geprint. Bij begane grond, 1e en 2e "
                          "verdieping worden de plattegronden kleiner afgedrukt."
                          "\r\n"
                          "Type de titel van de pagina in, selecteer het aantal tekeningen, dan het aantal copy's en druk "
                          "tenslotte op de knop Afdrukken.");
}

void PrintDialog::build()
{
    m_frame = makePanel(this, "printPanel");
    placeTwips(m_frame, 60, -30, 5460, 3630);

    m_thumbBack = makeFramedBackdrop(m_frame, "thumbnailBackdrop", palette().color(QPalette::Window));
    placeTwips(m_thumbBack, 120, 210, 1800, 2625);
    for (int i = 1; i <= 3; ++i) {
        auto* thumb = new QLabel(m_frame);
        thumb->setObjectName(QStringLiteral("floorThumbnail%1").arg(i));
        thumb->setScaledContents(true);
        // A copy: the thumbnails show the floors as they were when the dialog opened.
        thumb->setPixmap(QPixmap::fromImage(m_plan.floor(i).image));
        placeTwips(thumb, ThumbLeft + ThumbPitch * (i - 1), ThumbTop, 1680, 2505);
        m_thumbs[size_t(i - 1)] = thumb;
    }

    m_title = new QLineEdit(QStringLiteral("Titel pagina"), m_frame);
    m_title->setObjectName(QStringLiteral("printTitleEdit"));
    setBackground(m_title, Field);
    setForeground(m_title, FieldText);
    placeTwips(m_title, 2070, 225, 3240, 300);

    m_help = new QLabel(helpText(), m_frame);
    m_help->setObjectName(QStringLiteral("printHelpLabel"));
    m_help->setWordWrap(true);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Small enough that the whole text ends above the date check box.
    QFont helpFont(QStringLiteral("Arial"));
    helpFont.setPixelSize(10);
    m_help->setFont(helpFont);
    setBackground(m_help, Field);
    setForeground(m_help, QColor(80, 90, 120));
    placeTwips(m_help, 2100, 630, 3150, 2160);

    m_date = new QCheckBox(QStringLiteral("Datum en tijd afdrukken"), m_frame);
    m_date->setObjectName(QStringLiteral("printDateCheck"));
    setForeground(m_date, FieldText);
    placeTwips(m_date, 2100, 2460, 2100, 315);

    m_scrollBack = makeFramedBackdrop(m_frame, "floorCountBackdrop", PanelBackdrop);
    placeTwips(m_scrollBack, 120, 2910, 1800, 315);
    m_floorCount = new QScrollBar(Qt::Horizontal, m_frame);
    m_floorCount->setObjectName(QStringLiteral("floorCountBar"));
    m_floorCount->setRange(1, 3);
    m_floorCount->setSingleStep(1);
    m_floorCount->setPageStep(1);
    m_floorCount->setValue(1);
    placeTwips(m_floorCount, 150, 2940, 1740, 255);
    connect(m_floorCount, &QScrollBar::valueChanged, this, &PrintDialog::applyFloorCount);

    m_floorNames = makeCaption(m_frame, "printedFloorsLabel", QString());
    m_floorNames->move(px(120), px(3300));

    m_copies = new QComboBox(m_frame);
    m_copies->setObjectName(QStringLiteral("copiesCombo"));
    m_copies->setEditable(true);
    // Typing a number and pressing Enter must not grow the list.
    m_copies->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 50; ++n)
        m_copies->addItem(QString::number(n));
    m_copies->setEditText(QStringLiteral("1"));
    setBackground(m_copies, Field);
    m_copies->setGeometry(px(2100), px(2910), px(600), m_copies->sizeHint().height());

    m_copiesCaption = makeCaption(m_frame, "copiesCaption", QStringLiteral("Copy's"));
    placeTwips(m_copiesCaption, 2790, 2970);

    m_buttonBack = makeFramedBackdrop(m_frame, "printButtonsBackdrop", PanelBackdrop);
    placeTwips(m_buttonBack, 3510, 3120, 1800, 360);
    m_ok = new QPushButton(QStringLiteral("Afdrukken"), m_frame);
    m_ok->setObjectName(QStringLiteral("printOkButton"));
    placeTwips(m_ok, 3540, 3150, 990, 300);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), m_frame);
    m_cancel->setObjectName(QStringLiteral("printCancelButton"));
    placeTwips(m_cancel, 4530, 3150, 750, 300);
    // Enter in the title or copies box must not start a print job.
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_ok, &QPushButton::clicked, this, &PrintDialog::print);
    connect(m_cancel, &QPushButton::clicked, this, &PrintDialog::reject);

    m_bar = new QWidget(m_frame);
    m_bar->setObjectName(QStringLiteral("printProgressBar"));
    setBackground(m_bar, QColor(128, 128, 128));
    m_bar->hide();
}

void PrintDialog::setFloorNames(const QString& text)
{
    m_floorNames->setText(text);
    m_floorNames->adjustSize();
}

void PrintDialog::applyFloorCount(int count)
{
    static const int backdropWidth[3] = {1800, 3510, 5225};
    static const char* names[3] = {"Begane grond", "Begane grond en 1e verdieping", "Begane grond, 1e en 2e verdieping"};
    m_thumbs[1]->setVisible(count >= 2);
    m_thumbs[2]->setVisible(count == 3);
    placeTwips(m_thumbBack, 120, 210, backdropWidth[count - 1], 2625);
    setFloorNames(QString::fromUtf8(names[count - 1]));
    // Hidden, never emptied: the title and the date choice still go on the page.
    for (QWidget* w : std::initializer_list<QWidget*>{m_title, m_help, m_date})
        w->setVisible(count == 1);
}

void PrintDialog::reject()
{
    if (!m_printing)
        QDialog::reject();
}

void PrintDialog::print()
{
    // The animation lets clicks through; neither button may act until the job is over.
    m_printing = true;
    m_ok->setEnabled(false);
    m_cancel->setEnabled(false);
    const PrintRequest request{m_floorCount->value(), m_copies->currentText(), m_title->text(), m_date->isChecked()};
    const std::array<QImage, 3> floors{m_plan.floor(1).image, m_plan.floor(2).image, m_plan.floor(3).image};
    const bool sent = m_job.print(request, floors, [this] { scan(); });
    m_printing = false;
    m_ok->setEnabled(true);
    m_cancel->setEnabled(true);
    if (sent)
        accept();
}

void PrintDialog::scan()
{
    // A line across the visible thumbnails, both ends included.
    const int width = px(1695 * m_floorCount->value()) + 1;
    m_bar->setGeometry(px(ThumbLeft), px(ThumbTop), width, 1);
    m_bar->show();
    m_bar->raise();
    setFloorNames(QStringLiteral("Scanning..."));
    for (int i = 0; i <= ScanEnd; i += ScanStep) {
        m_bar->move(px(ThumbLeft), px(ThumbTop + i));
        waitSeconds(0.02f);
    }
    m_bar->hide();
    setFloorNames(QStringLiteral("Ready..."));
}
