#include "underlay/UnderlayDialog.h"

#include "underlay/UnderlayControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>

UnderlayDialog::UnderlayDialog(UnderlayControls& controls, QWidget* parent)
    : QDialog(parent)
    , m_controls(controls)
{
    setWindowTitle(QStringLiteral(" Onderlegger"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("underlayStatus"));

    const auto button = [this](const char* name, const QString& text, auto action) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* buttons = new QGridLayout;
    buttons->addWidget(button("underlayChooseButton", QStringLiteral("Kiezen..."), [this] { m_controls.chooseFile(); }), 0, 0);
    buttons->addWidget(button("underlayRemoveButton", QStringLiteral("Geen onderlegger"), [this] { m_controls.remove(); }), 0, 1);
    buttons->addWidget(button("underlayCalibrateButton", QStringLiteral("Afstellen op maat"),
                              [this] { m_controls.startCalibration(); }), 1, 0);
    buttons->addWidget(button("underlayStraightenButton", QStringLiteral("Rechtzetten"),
                              [this] { m_controls.startStraightening(); }), 1, 1);

    auto* strengthRow = new QHBoxLayout;
    strengthRow->addWidget(new QLabel(QStringLiteral("Lichter"), this));
    m_strength = new QSlider(Qt::Horizontal, this);
    m_strength->setObjectName(QStringLiteral("underlayStrengthSlider"));
    m_strength->setRange(5, 100);
    connect(m_strength, &QSlider::valueChanged, this, [this](int value) { m_controls.setStrength(value); });
    strengthRow->addWidget(m_strength);
    strengthRow->addWidget(new QLabel(QStringLiteral("Donkerder"), this));

    auto* hint = new QLabel(QStringLiteral("Verschuiven: pijltjestoetsen (met Shift 10 pixels),\r\n"
                                           "of slepen op de tekening met Ctrl ingedrukt."),
                            this);
    auto* close = button("underlayCloseButton", QStringLiteral("Sluiten"), [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    layout->addLayout(strengthRow);
    layout->addWidget(hint);
    layout->addWidget(close, 0, Qt::AlignRight);

    // Shortcuts, so the arrows shift the plan whichever button or the slider has the focus.
    const struct {
        Qt::Key key;
        QPointF step;
    } arrows[] = {{Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    for (const auto& arrow : arrows) {
        for (const int shift : {0, 1}) {
            auto* key = new QShortcut(QKeySequence(arrow.key | (shift ? Qt::ShiftModifier : Qt::NoModifier)), this);
            key->setContext(Qt::WidgetWithChildrenShortcut);
            const QPointF step = arrow.step * (shift ? 10 : 1);
            connect(key, &QShortcut::activated, this, [this, step] { m_controls.moveBy(step); });
        }
    }
    connect(&m_controls, &UnderlayControls::changed, this, &UnderlayDialog::refresh);
    refresh();
    setFixedSize(sizeHint());
}

void UnderlayDialog::refresh()
{
    m_status->setText(m_controls.describeShownFloor());
    const QSignalBlocker quiet(m_strength);
    m_strength->setValue(m_controls.shownStrength());
}

void UnderlayDialog::done(int result)
{
    // Closed with clicks still awaited: those clicks draw again.
    m_controls.stopPicking();
    QDialog::done(result);
}
