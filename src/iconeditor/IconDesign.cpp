#include "iconeditor/IconDesign.h"

#include "core/AppContext.h"
#include "core/Geometry.h"
#include "iconeditor/IconGrid.h"
#include "iconeditor/IconPalette.h"

#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace {
// The designed outer size is 7035 x 6630 twips including the frame and the
// caption; the controls live in what is left.
constexpr int FrameAllowance = 8;
constexpr int CaptionAllowance = 21;

struct ButtonDesign {
    const char* tip;
    // Shown when the button's picture is not in the program.
    const char* standIn;
};

const ButtonDesign Buttons[IconEditorCommands::Count] = {
    {" New ", "N"},      {" Load ", "L"},    {" Save ", "S"},      {" Border ", "\u25a1"}, {" Rotate ", "\u21bb"},
    {" Mirror ", "\u21c4"}, {" Fill ", "F"}, {" Left ", "\u2190"}, {" Right ", "\u2192"},  {" Up ", "\u2191"},
    {" Down ", "\u2193"}, {" Negative ", "\u00b1"}, {" Circle ", "\u25cb"}, {" Colorpicker ", "P"},
};
} // namespace

IconDesign::IconDesign(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_editor(context)
    , m_commands(m_editor, context)
{
    setObjectName(QStringLiteral("IconDesign"));
    setModal(true);
    setWindowTitle(m_editor.caption());
    setFixedSize(px(7035) - FrameAllowance, px(6630) - FrameAllowance - CaptionAllowance);

    placeTwips(makeBackdrop(this, "iconButtonsBackdrop", PanelBackdrop), 150, 90, 5460, 435);
    buildButtons();

    m_grid = new IconGrid(m_editor, this);
    m_grid->setObjectName(QStringLiteral("iconGrid"));
    placeTwips(m_grid, 150, 660, 5460, 5460);

    placeTwips(makeBackdrop(this, "originalIconBackdrop", PanelBackdrop), 5925, 660, 885, 900);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("originalIcon"));
    placeTwips(m_preview, 6120, 870, 525, 525);

    m_palette = new IconPalette(this);
    m_palette->setObjectName(QStringLiteral("iconPalette"));
    placeTwips(m_palette, 5925, 1695, 900, 3585);

    m_colour = makeBackdrop(this, "iconDrawingColour", QColor(0, 0, 0));
    placeTwips(m_colour, 5920, 5400, 915, 330);

    m_coords = new QLabel(this);
    m_coords->setObjectName(QStringLiteral("iconCoordinateLabel"));
    placeTwips(m_coords, 5895, 5880, 930, 255);

    connect(&m_editor, &IconEditor::iconChanged, this, &IconDesign::showIcon);
    connect(&m_editor, &IconEditor::drawingColourChanged, this, &IconDesign::showColour);
    connect(&m_editor, &IconEditor::coordTextChanged, m_coords, &QLabel::setText);
    connect(&m_editor, &IconEditor::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_editor, &IconEditor::pickingChanged, this, [this](bool picking) { enableButtons(!picking); });
    connect(m_palette, &IconPalette::colourChosen, &m_editor, &IconEditor::setDrawingColour);
    showIcon();
}

// The editor closes only through its own close box: Escape would otherwise
// throw the unsaved icon away without a word.
void IconDesign::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void IconDesign::buildButtons()
{
    for (int i = 1; i <= IconEditorCommands::Count; ++i) {
        const ButtonDesign& design = Buttons[i - 1];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("iconEditorButton%1").arg(i));
        button->setToolTip(QLatin1String(design.tip));
        const QString picture = QStringLiteral(":/buttons/icon_%1.png").arg(i, 2, 10, QLatin1Char('0'));
        if (QFile::exists(picture)) {
            button->setIcon(QIcon(picture));
            button->setIconSize(QSize(px(390) - 6, px(375) - 6));
        } else {
            button->setText(QString::fromUtf8(design.standIn));
        }
        placeTwips(button, 180 + 390 * (i - 1), 120, i == IconEditorCommands::Count ? 330 : 390, 375);
        connect(button, &QToolButton::clicked, this, [this, i] { m_commands.run(i); });
        m_buttons[size_t(i - 1)] = button;
    }
}

void IconDesign::showIcon()
{
    m_preview->setPixmap(QPixmap::fromImage(m_editor.icon()));
}

void IconDesign::showColour(QRgb colour)
{
    setBackground(m_colour, QColor(colour));
}

void IconDesign::enableButtons(bool enabled)
{
    for (QToolButton* button : m_buttons)
        button->setEnabled(enabled);
}

void openIconEditor(AppContext& context, QWidget* parent)
{
    context.playSound(QStringLiteral("space.wav"));
    IconDesign editor(context, parent);
    editor.exec();
}
