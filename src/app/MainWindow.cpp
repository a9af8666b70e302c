#include "app/MainWindow.h"

#include "app/ConfigDialog.h"
#include "app/HelpMenu.h"
#include "app/InfoLabel.h"
#include "app/MainBackground.h"
#include "app/StartupSettings.h"
#include "core/Geometry.h"
#include "drawing/ColorPanel.h"
#include "drawing/DrawingControls.h"
#include "drawing/GridControls.h"
#include "drawing/ScaleDialog.h"
#include "plan/ScaleFile.h"
#include "drawing/ShowMenu.h"
#include "drawing/TextDialog.h"
#include "drawing/ToolPalette.h"
#include "drawing/ToolPanel.h"
#include "drawing/magnifier/MagnifierPanel.h"
#include "drawing/tools/PlacementTools.h"
#include "editing/EditingCommands.h"
#include "editing/IconPanel.h"
#include "examples/ExampleTransport.h"
#include "examples/ExamplesPanel.h"
#include "fileio/LoadDrawing.h"
#include "fileio/SaveDrawing.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "floors/FloorSwitcher.h"
#include "floors/RecoveryGuard.h"
#include "iconeditor/IconDesign.h"
#include "image/PictureLibrary.h"
#include "printing/PrintCommands.h"
#include "printing/QtPrinterSystem.h"
#include "printing/ScalePrintCommand.h"
#include "underlay/UnderlayControls.h"
#include "underlay/UnderlayDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QThread>
#include <QTimer>

namespace {
// The design's outer window size includes a frame, a caption and a menu bar;
// the area the controls live in is this much smaller.
constexpr int FrameAllowance = 8;
constexpr int ClientHeight = 8205 / TwipsPerPixel - 44;

QLabel* makeTitle(QWidget* parent, const char* name, const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    font.setBold(true);
    label->setFont(font);
    setForeground(label, colour);
    return label;
}

// The plan is traced on the canvas, so its window goes beside the main window
// where the screen has room, else over the panels on the right, never on the canvas.
void placeBesideCanvas(QWidget& dialog, const QRect& mainFrame)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : mainFrame;
    const QSize size = dialog.frameSize();
    QPoint at(mainFrame.right() + 8, mainFrame.top());
    if (at.x() + size.width() > room.right())
        at.setX(mainFrame.left() - 8 - size.width());
    if (at.x() < room.left())
        at = QPoint(mainFrame.right() - size.width(), mainFrame.bottom() - size.height());
    dialog.move(at);
}

QString canvasWidthText(int extraWidth)
{
    const double pixels = extraWidth / double(TwipsPerPixel) + BaseCanvasWidth;
    return QLatin1Char(' ') + QString::number(pixels, 'g', 15);
}
} // namespace

MainWindow::MainWindow(Settings& settings, const ProgramFolders& folders, Prompts& prompts, WavePlayer& sound,
                       QWidget* parent)
    : QMainWindow(parent)
    , m_info(new InfoLabel)
    , m_context{settings, folders, prompts, sound, *m_info}
    , m_plan(BaseCanvasWidth)
{
    setWindowTitle(QStringLiteral("Rimbano"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_central = new MainBackground(this);
    setCentralWidget(m_central);
    m_menus = MainMenus::build(menuBar());

    buildPanels();
    buildCanvasArea();
    m_floorSwitcher = std::make_unique<FloorSwitcher>(
        m_context, m_plan, *m_floorPanel, m_canvases, m_floorTitles);
    m_floorSwitcher->chooseFloor(1);
    m_library = std::make_unique<PictureLibrary>();
    auto* palette = new ToolPalette(
        m_context, m_plan, *m_library, {*m_toolPanel, *m_lineStyle, m_toolTitles, m_canvases},
        [this] { (new TextDialog({m_context, m_plan, m_toolTitles, m_canvases}, this))->open(); }, this);
    connect(m_toolPanel, &ToolPanel::toolClicked, palette, &ToolPalette::selectTool);
    connect(m_toolPanel, &ToolPanel::optionClicked, palette, &ToolPalette::chooseOption);
    m_recovery = new RecoveryGuard(m_context, m_plan, m_canvases, [this] { applyCanvasWidth(); }, this);
    wireMenus();
    m_drawing = std::make_unique<DrawingControls>(
        m_context, m_plan, m_scale,
        DrawingControls::Controls{m_canvases, m_coords, m_colorPanel, m_toolPanel, m_lineStyle, m_menus.undo,
                                  m_menus.redo, m_menus.copy, m_menus.paste},
        [this](int floor) { m_floorSwitcher->chooseFloor(floor); });
    registerPlacementTools(m_drawing->engine(), *m_library);
    wireEditingCommands(m_context, m_plan,
                        {m_canvases, m_menus.rasterModes, m_menus.flips, m_menus.importIcon, m_iconPanel}, this);
    wireFiles();

    // The start values come first, then the settings file may override them.
    settings = Settings();
    const int eraserSize = m_plan.toolChoice.eraserSize;
    for (int i = 1; i <= 3; ++i)
        m_plan.floor(i).overlays.gum.setSize(QSize(eraserSize, eraserSize));
    layoutForCanvasWidth(0);
    applySettings(readStartupSettings(settings, folders));
    ScaleFile::read(ScaleFile::path(folders.writableFolder()), m_scale, m_grid);
    wireGridAndScalePrint();
    m_underlays = new UnderlayControls(m_context, m_plan, m_scale, m_canvases,
                                       [this](int suggestion) { return chooseScale(suggestion); }, this);
    connect(m_menus.underlay, &QAction::triggered, this, &MainWindow::openUnderlayDialog);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanels()
{
    m_infoPanel = makePanel(m_central, "infoPanel");
    placeTwips(m_infoPanel, 1950, 7020, 8775, 450);
    m_info->setParent(m_infoPanel);
    m_info->setObjectName(QStringLiteral("infoLabel"));
    m_info->move(px(120), px(150));

    m_coordinatePanel = makePanel(m_central, "coordinatePanel");
    placeTwips(m_coordinatePanel, 75, 7020, 1800, 450);
    m_coords = new QLabel(QStringLiteral("X = 0 , Y = 0"), m_coordinatePanel);
    m_coords->setObjectName(QStringLiteral("coordinateLabel"));
    setForeground(m_coords, QColor(64, 64, 64));
    m_coords->setGeometry(px(120), px(150), px(1800) - px(120) - 4, m_coords->sizeHint().height());

    m_examplesAndColours = makePanel(m_central, "examplesAndColoursPanel");
    placeTwips(m_examplesAndColours, 75, -75, 1800, 4110);
    m_examplesPanel = new ExamplesPanel(m_examplesAndColours, m_context.programPath(QStringLiteral("examples")));
    m_colorPanel = new ColorPanel(m_examplesAndColours);

    m_iconPanel = new IconPanel(m_central);
    m_magnifierPanel = new MagnifierPanel(m_central);

    m_floorTitles[1] = makeTitle(m_central, "floorTitle2", Plan::floorName(1), QColor(128, 128, 128));
    m_floorTitles[0] = makeTitle(m_central, "floorTitle1", Plan::floorName(1), QColor(0, 0, 128));
    m_floorPanel = new FloorPanel(m_central);
    connect(m_floorPanel, &FloorPanel::showRequested, this, [this](int f) { m_floorSwitcher->chooseFloor(f); });
    connect(m_floorPanel, &FloorPanel::clearRequested, this, [this] { m_floorSwitcher->clearShownFloor(); });

    m_toolTitles[1] = makeTitle(m_central, "toolTitle2", QStringLiteral("Tools"), QColor(128, 128, 128));
    m_toolTitles[0] = makeTitle(m_central, "toolTitle1", QStringLiteral("Tools"), QColor(0, 0, 128));
    m_toolPanel = new ToolPanel(m_central);

    m_lineStylePanel = makePanel(m_central, "lineStylePanel");
    placeTwips(m_lineStylePanel, 7470, 6525, 3255, 510);
    m_lineStyle = new QCheckBox(QStringLiteral("Onafgebroken lijn"), m_lineStylePanel);
    m_lineStyle->setObjectName(QStringLiteral("lineStyleCheck"));
    m_lineStyle->setChecked(true);
    m_lineStyle->setGeometry(px(120), px(180), px(1665), m_lineStyle->sizeHint().height());
    m_lineStyle->hide();
}

void MainWindow::buildCanvasArea()
{
    m_picBack = makeBackdrop(m_central, "canvasBackdrop", PanelBackdrop);
    m_help = new QPlainTextEdit(m_central);
    m_help->setObjectName(QStringLiteral("helpTextView"));
    setBackground(m_help, QColor(210, 220, 190));
    setForeground(m_help, QColor(64, 64, 64));
    QFont helpFont(QStringLiteral("Arial"));
    helpFont.setPointSize(9);
    m_help->setFont(helpFont);
    m_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_help->hide();

    for (int i = 1; i <= 3; ++i) {
        auto* canvas = new CanvasWidget(i, m_plan.floor(i), m_central);
        canvas->setObjectName(QStringLiteral("floorCanvas%1").arg(i));
        m_canvases[size_t(i - 1)] = canvas;
    }
}

void MainWindow::layoutForCanvasWidth(int w)
{
    const int windowWidth = px(10875 + w) - FrameAllowance;
    m_central->setFixedSize(windowWidth, ClientHeight);
    setFixedSize(windowWidth, ClientHeight + menuBar()->sizeHint().height());

    placeTwips(m_picBack, 1950, 15, 5430 + w, 7005);
    placeTwips(m_help, 1950, 15, 5430 + w, 7005);
    const int canvasWidth = canvasWidthFor(w);
    m_plan.setCanvasWidth(canvasWidth);
    for (CanvasWidget* canvas : m_canvases)
        canvas->setGeometry(px(2040), px(105), canvasWidth, CanvasHeight);

    m_floorPanel->move(px(7470 + w), m_floorPanel->y());
    m_toolPanel->move(px(7470 + w), m_toolPanel->y());
    m_lineStylePanel->move(px(7470 + w), m_lineStylePanel->y());
    placeTwips(m_infoPanel, 1950, 7020, 8775 + w, 450);
    m_info->resize(m_infoPanel->width() - px(120) - 4, m_info->sizeHint().height());
    placeTwips(m_floorTitles[0], 7470 + w, -45);
    placeTwips(m_floorTitles[1], 7485 + w, -30);
    placeTwips(m_toolTitles[0], 7500 + w, 2070);
    placeTwips(m_toolTitles[1], 7515 + w, 2085);
}

void MainWindow::applyCanvasWidth()
{
    const int extraWidth = m_context.settings.canvasExtraWidth;
    layoutForCanvasWidth(extraWidth);
    QLabel* widthLabel = m_floorPanel->canvasWidthLabel();
    widthLabel->setText(canvasWidthText(extraWidth) + QStringLiteral(" pixels"));
    widthLabel->adjustSize();
}

void MainWindow::applySettings(bool settingsRead)
{
    // A settings recovery still leaves the file's other values in effect (the
    // sound off beside a refused colour), so the controls show them all; only
    // the width label keeps its first caption while the width is the base one.
    const Settings& settings = m_context.settings;
    if (settingsRead || settings.canvasExtraWidth != 0)
        applyCanvasWidth();
    m_menus.sound->setChecked(settings.soundOn);
    m_menus.sound->setText(settings.soundOn ? QStringLiteral("Geluid aan") : QStringLiteral("Geluid uit"));
    m_colorPanel->setSwatch(settings.red, settings.green, settings.blue);
    m_colorPanel->colourBar(1)->setValue(settings.red);
    m_colorPanel->colourBar(2)->setValue(settings.green);
    m_colorPanel->colourBar(3)->setValue(settings.blue);
}

void MainWindow::toggleSound()
{
    // The action has already flipped its own check mark when this runs.
    const bool on = m_menus.sound->isChecked();
    m_context.settings.soundOn = on;
    m_menus.sound->setText(on ? QStringLiteral("Geluid aan") : QStringLiteral("Geluid uit"));
}

void MainWindow::wireMenus()
{
    connect(m_menus.newDrawing, &QAction::triggered, this, [this] { m_floorSwitcher->newDrawing(); });
    connect(m_menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.sound, &QAction::triggered, this, &MainWindow::toggleSound);
    connect(m_menus.configuration, &QAction::triggered, this, [this] { openConfigDialog(*this); });
    new ShowMenu(m_context.settings, m_magnifierOptions, m_plan, m_canvases, *m_magnifierPanel->view(),
                 {m_menus.magnifier, m_menus.drawingCross, m_menus.border, m_menus.pointerShapes}, this);
    new HelpMenu(m_context, *m_help, m_menus, this);
    connect(m_menus.scale, &QAction::triggered, this, [this] { chooseScale(); });
    connect(m_menus.floorBelow, &QAction::toggled, this, [this](bool on) {
        for (int f = 2; f <= 3; ++f)
            m_canvases[size_t(f - 1)]->setFloorBelow(on ? &m_plan.floor(f - 1) : nullptr);
    });
    connect(m_menus.iconEditor, &QAction::triggered, this, [this] { openIconEditor(m_context, this); });
    m_printing = std::make_unique<PrintCommands>(m_context, m_plan, std::make_unique<QtPrinterSystem>(this));
    connect(m_menus.print, &QAction::triggered, this, [this] { m_printing->print(this); });
    connect(m_menus.printerSetup, &QAction::triggered, this, [this] { m_printing->printerSetup(); });

    // F2 to F4 choose a floor whatever control has the focus, also the floor shown.
    for (int f = 1; f <= 3; ++f) {
        auto* key = new QShortcut(QKeySequence(Qt::Key_F1 + f), this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, f] { m_floorSwitcher->chooseFloor(f); });
    }
}

void MainWindow::wireFiles()
{
    const auto repaintFloor = [this](int floor) { m_canvases[size_t(floor - 1)]->update(); };
    m_saveDrawing = std::make_unique<SaveDrawing>(m_context, m_plan);
    m_loadDrawing = std::make_unique<LoadDrawing>(m_context, m_plan, [repaintFloor] {
        for (int f = 1; f <= 3; ++f)
            repaintFloor(f);
    });
    m_exampleTransport = std::make_unique<ExampleTransport>(m_context, m_plan, m_examplesPanel->examples(),
                                                            repaintFloor);
    for (int n = 1; n <= 3; ++n)
        connect(m_menus.saveFloors[size_t(n - 1)], &QAction::triggered, this, [this, n] { m_saveDrawing->saveFloors(n); });
    connect(m_menus.load, &QAction::triggered, this, [this] { m_loadDrawing->load(); });
    connect(m_examplesPanel->takeOverButton(), &QPushButton::clicked, this,
            [this] { m_exampleTransport->takeOver(m_examplesPanel->exampleBar()->value()); });
}

void MainWindow::loadDrawing(const QString& path)
{
    m_loadDrawing->loadFile(path);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_leaving) {
        event->accept();
        return;
    }
    if (!m_context.prompts.askYesNo(QStringLiteral(" Exit programma"),
                                    QStringLiteral("Wilt u dit programma nu afsluiten?"))) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written must not keep the user from leaving.
    writeSettings(m_context.settings, m_context.folders);
    m_recovery->confirmedExit();
    m_leaving = true;
    event->accept();
    // Ends the program at once, whatever other windows are open. Only a running
    // event loop can be ended; asking without one would end the next loop started.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Asked once the window is on screen, never from inside its construction.
    QTimer::singleShot(0, m_recovery, &RecoveryGuard::start);
    QTimer::singleShot(0, m_underlays, &UnderlayControls::restore);
}

bool MainWindow::chooseScale(int suggestion)
{
    const QString note = suggestion < 0 ? QString()
        : QStringLiteral("De onderlegger vraagt om een schaal. Bij ") + QString::number(suggestion)
            + QStringLiteral(" cm per pixel past hij\r\nprecies op het tekenveld.");
    ScaleDialog dialog(suggestion >= 0 ? suggestion : m_scale.centimetresPerPixel(), m_grid, m_context.prompts, this,
                       note);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_scale.set(dialog.centimetresPerPixel());
    m_grid = dialog.grid();
    m_gridControls->apply();
    m_scalePrint->scaleChanged();
    saveScale();
    return true;
}

void MainWindow::openUnderlayDialog()
{
    if (!m_underlayDialog) {
        m_underlayDialog = new UnderlayDialog(*m_underlays, this);
        m_underlayDialog->setObjectName(QStringLiteral("underlayDialog"));
        placeBesideCanvas(*m_underlayDialog, frameGeometry());
    }
    m_underlayDialog->refresh();
    m_underlayDialog->show();
    m_underlayDialog->raise();
    m_underlayDialog->activateWindow();
}

bool MainWindow::saveScale()
{
    const QString path = ScaleFile::path(m_context.folders.writableFolder());
    if (ScaleFile::write(path, m_scale, m_grid))
        return true;
    m_context.prompts.message(QStringLiteral("De schaal kan niet worden bewaard in ") + path + QStringLiteral("."));
    return false;
}

void MainWindow::wireGridAndScalePrint()
{
    m_gridControls = new GridControls(m_grid, m_scale,
                                      {*m_menus.grid, *m_menus.snapToGrid, m_canvases, m_drawing->engine()},
                                      [this] { saveScale(); }, this);
    m_scalePrint = new ScalePrintCommand(m_context, m_plan, m_scale, *m_printing, *m_menus.printToScale, this);
}
