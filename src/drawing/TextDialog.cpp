#include "drawing/TextDialog.h"

#include "core/AppContext.h"
#include "core/Geometry.h"
#include "drawing/TextPalette.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <functional>

namespace {
const QColor StartColour(0, 64, 64);
constexpr int DefaultSizeIndex = 2; // "10" in the list 8..20

// Shows the palette picture and reports presses in its pixels.
class PaletteBox : public QWidget {
public:
    PaletteBox(const QImage& picture, std::function<void(QPoint)> pressed, QWidget* parent)
        : QWidget(parent), m_picture(picture), m_pressed(std::move(pressed))
    {
        setObjectName(QStringLiteral("textColourPalette"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture);
    }
    void mousePressEvent(QMouseEvent* event) override { m_pressed(event->position().toPoint()); }

private:
    QImage m_picture;
    std::function<void(QPoint)> m_pressed;
};

QFont textFont(int size, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
} // namespace

std::optional<int> textSizeFrom(const QString& typed)
{
    bool ok = false;
    const int size = typed.trimmed().toInt(&ok);
    if (!ok || size < SmallestTextSize || size > LargestTextSize)
        return std::nullopt;
    return size;
}

TextDialog::TextDialog(Target target, QWidget* parent) : QDialog(parent), m_target(target)
{
    setObjectName(QStringLiteral("textDialog"));
    setWindowTitle(QStringLiteral(" Tekst plaatsen"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The designed outer size holds a caption and borders besides the controls.
    setFixedSize(px(6090) - 8, px(2100) - 28);

    placeTwips(makePanel(this, "textDialogPanel"), 75, -30, 5865, 1695);

    m_palette = textPalettePicture(QSize(px(5595), px(390)), palette().color(QPalette::Window).rgb());
    auto* paletteBox = new PaletteBox(m_palette, [this](QPoint at) { pickColour(at); }, this);
    placeTwips(paletteBox, 120, 240, 5595, 390);

    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("textSizeCombo"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 8; size <= 20; ++size)
        m_size->addItem(QString::number(size));
    m_size->setCurrentIndex(DefaultSizeIndex);
    m_size->setGeometry(px(120), px(720), px(600), m_size->sizeHint().height());

    auto* sizeLabel = new QLabel(QStringLiteral("Size"), this);
    sizeLabel->setObjectName(QStringLiteral("textSizeCaption"));
    placeTwips(sizeLabel, 780, 780);

    const char* styleNames[3] = {"Bold", "Italic", "Underline"};
    const int styleLeft[3] = {1350, 2100, 2850};
    const int styleWidth[3] = {735, 735, 1065};
    for (int i = 0; i < 3; ++i) {
        auto* check = new QCheckBox(QLatin1String(styleNames[i]), this);
        check->setObjectName(QStringLiteral("textStyleCheck%1").arg(i + 1));
        placeTwips(check, styleLeft[i], 780, styleWidth[i], 225);
        m_style[size_t(i)] = check;
    }

    auto* colourCaption = new QLabel(QStringLiteral("Textcolor"), this);
    colourCaption->setObjectName(QStringLiteral("textColourCaption"));
    placeTwips(colourCaption, 4140, 780);
    m_colourLabel = makeBackdrop(this, "textColourSwatch", StartColour);
    placeTwips(m_colourLabel, 4890, 720, 825, 330);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("placedTextEdit"));
    setBackground(m_text, QColor(224, 224, 224));
    placeTwips(m_text, 120, 1245, 4590, 315);

    placeTwips(makeBackdrop(this, "transferTextBackdrop", Qt::black), 4875, 1245, 855, 330);
    m_transfer = new QPushButton(QStringLiteral("Transfer"), this);
    m_transfer->setObjectName(QStringLiteral("transferTextButton"));
    m_transfer->setAutoDefault(false);
    placeTwips(m_transfer, 4905, 1275, 795, 270);
    connect(m_transfer, &QPushButton::clicked, this, &TextDialog::transferText);
    // Enter in the text box transfers like the button.
    connect(m_text, &QLineEdit::returnPressed, this, &TextDialog::transferText);
    m_text->setFocus();
}

QColor TextDialog::chosenColour() const
{
    return m_colourLabel->palette().color(QPalette::Window);
}

void TextDialog::pickColour(QPoint at)
{
    if (!m_palette.rect().contains(at))
        return;
    setBackground(m_colourLabel, QColor::fromRgb(m_palette.pixel(at)));
}

void TextDialog::transferText()
{
    AppContext& context = m_target.context;
    if (m_text->text().isEmpty()) {
        m_target.plan.toolChoice.current = ToolKind::None;
        context.showInfoText(QStringLiteral("-"));
        accept();
        return;
    }
    const std::optional<int> size = textSizeFrom(m_size->currentText());
    if (!size) {
        context.prompts.message(QStringLiteral("Kies een lettergrootte van 1 t/m 200."));
        return;
    }
    const int f = m_target.plan.currentFloor();
    const QFont font = textFont(*size, m_style[0]->isChecked(), m_style[1]->isChecked(), m_style[2]->isChecked());
    const QColor colour = chosenColour();

    Floor& floor = m_target.plan.floor(f);
    floor.font = font;
    floor.foreColour = colour.rgb();
    floor.overlays.textFont = font;
    floor.overlays.textColour = colour;
    floor.overlays.text = m_text->text() + QLatin1Char(' ');
    floor.overlays.textVisible = true;
    m_target.canvases[size_t(f - 1)]->update();
    accept();
}

void TextDialog::done(int result)
{
    // However the dialog closes, without a text the text tool is given up.
    if (m_text->text().isEmpty()) {
        for (QLabel* heading : m_target.headings) {
            heading->setText(QStringLiteral("Tools"));
            heading->adjustSize();
        }
        m_target.plan.toolChoice.current = ToolKind::None;
        m_target.context.showInfoText(QStringLiteral("-"));
    }
    QDialog::done(result);
}
