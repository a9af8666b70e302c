#pragma once

#include "app/MainMenus.h"
#include "core/AppContext.h"
#include "drawing/magnifier/MagnifierOptions.h"
#include "plan/GridSettings.h"
#include "plan/PlanScale.h"
#include "plan/Plan.h"

#include <QMainWindow>

#include <array>
#include <memory>

class CanvasWidget;
class ColorPanel;
class DrawingControls;
class ExamplesPanel;
class ExampleTransport;
class FloorPanel;
class FloorSwitcher;
class GridControls;
class IconPanel;
class InfoLabel;
class LoadDrawing;
class MagnifierPanel;
class PictureLibrary;
class PrintCommands;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class RecoveryGuard;
class SaveDrawing;
class ScalePrintCommand;
class ToolPanel;
class UnderlayControls;
class UnderlayDialog;

// The drawing window: menus, the panels round the canvas and the three floor
// canvases. It wires controls to the behaviour classes and shows their state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Starts `settings` afresh and reads them from the settings file in `folders`.
    MainWindow(Settings& settings, const ProgramFolders& folders, Prompts& prompts, WavePlayer& sound,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return m_context; }
    Plan& plan() { return m_plan; }
    MagnifierOptions& magnifierOptions() { return m_magnifierOptions; }

    MagnifierPanel* magnifierPanel() const { return m_magnifierPanel; }
    // Extra > Schaal...: asks for the plan's scale and keeps it beside the
    // settings; `suggestion`, when given, is the centimetres per pixel offered.
    // True when the user chose.
    bool chooseScale(int suggestion = -1);
    UnderlayControls& underlays() { return *m_underlays; }

    // Widens the window, the border area, the canvases and moves the right-hand
    // panels by the settings' extra canvas width; the drawings keep their pixels.
    void applyCanvasWidth();
    // Loads the drawing at `path` into the floors exactly as File > Load does.
    void loadDrawing(const QString& path);
    void toggleSound();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPanels();
    void buildCanvasArea();
    void wireMenus();
    void wireFiles();
    void applySettings(bool settingsRead);
    void layoutForCanvasWidth(int extraWidthTwips);
    void wireGridAndScalePrint();
    bool saveScale();
    void openUnderlayDialog();


    InfoLabel* m_info = nullptr;
    AppContext m_context;
    Plan m_plan;
    MagnifierOptions m_magnifierOptions;
    MainMenus m_menus;

    QWidget* m_central = nullptr;
    QFrame* m_infoPanel = nullptr;
    QFrame* m_examplesAndColours = nullptr;
    QFrame* m_lineStylePanel = nullptr;
    QFrame* m_coordinatePanel = nullptr;
    QLabel* m_coords = nullptr;
    std::array<QLabel*, 2> m_floorTitles{};
    std::array<QLabel*, 2> m_toolTitles{};
    QLabel* m_picBack = nullptr;
    QPlainTextEdit* m_help = nullptr;
    QCheckBox* m_lineStyle = nullptr;
    std::array<CanvasWidget*, 3> m_canvases{};
    FloorPanel* m_floorPanel = nullptr;
    ToolPanel* m_toolPanel = nullptr;
    ColorPanel* m_colorPanel = nullptr;
    ExamplesPanel* m_examplesPanel = nullptr;
    IconPanel* m_iconPanel = nullptr;
    MagnifierPanel* m_magnifierPanel = nullptr;
    std::unique_ptr<FloorSwitcher> m_floorSwitcher;
    std::unique_ptr<PictureLibrary> m_library;
    std::unique_ptr<PrintCommands> m_printing;
    std::unique_ptr<DrawingControls> m_drawing;
    std::unique_ptr<SaveDrawing> m_saveDrawing;
    std::unique_ptr<LoadDrawing> m_loadDrawing;
    std::unique_ptr<ExampleTransport> m_exampleTransport;
    RecoveryGuard* m_recovery = nullptr;
    PlanScale m_scale;
    GridSettings m_grid;
    GridControls* m_gridControls = nullptr;
    ScalePrintCommand* m_scalePrint = nullptr;
    UnderlayControls* m_underlays = nullptr;
    UnderlayDialog* m_underlayDialog = nullptr;
    bool m_leaving = false;
};
