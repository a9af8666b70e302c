#include "drawing/ToolPalette.h"

#include "core/AppContext.h"
#include "drawing/ToolPanel.h"
#include "drawing/ToolTable.h"
#include "floors/CanvasWidget.h"
#include "plan/Plan.h"
#include "image/LibraryOverview.h"
#include "image/PictureLibrary.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

namespace {
constexpr int OptionImages = 10;
constexpr int TextTool = 5;
constexpr int EraserTool = 6;
constexpr int OverviewTool = 20;

bool isLineTool(int tool) { return tool >= 1 && tool <= 3; }
bool isSymbolTool(int tool) { return tool >= 9 && tool <= 19; }
// Tools whose symbols are big enough that the magnifier looks at the spot
// where they land rather than at the pointer.
bool shiftsMagnifier(int tool) { return tool >= 9 && tool <= 15; }
constexpr qint16 PlacementShift = 34;

void setFramed(QLabel* option, bool framed)
{
    option->setFrameStyle(framed ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    option->setLineWidth(1);
}
} // namespace

ToolPalette::ToolPalette(AppContext& context, Plan& floors, const PictureLibrary& library, Controls controls,
                         std::function<void()> openTextDialog, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_floors(floors)
    , m_library(library)
    , m_controls(controls)
    , m_openTextDialog(std::move(openTextDialog))
{
}

void ToolPalette::SelectTool(int index)
{
    Algemeen& state = m_context.state;
    state.CurrentTool = quint8(index);
    state.ChosenOption = 1;
    state.MagnifierShift = 0;
    resetPanel();

    const ToolEntry& entry = toolEntry(index);
    state.OptionCount = qint16(entry.optionCount);
    state.OptionBase = entry.optionBase;
    m_context.ShowInfoText(entry.info);
    setHeadings(entry.caption);

    if (index == OverviewTool) {
        showLibraryOverview();
    } else if (index == TextTool) {
        m_context.playSound(QStringLiteral("space.wav"));
        m_openTextDialog();
    } else if (index == EraserTool) {
        Floor& floor = m_floors.floor(state.CurrentFloor);
        floor.overlays.gumVisible = true;
        m_controls.canvases[size_t(state.CurrentFloor - 1)]->update();
        m_controls.panel.GumBack()->show();
        m_controls.panel.GumScroll()->show();
        m_controls.panel.GumLabel()->show();
    } else {
        showOptions(entry.optionCount, entry.optionBase);
        // Lines and rectangles offer their dotted style beside the widths.
        if (index == 2 || index == 3)
            m_controls.lijnCheck.show();
    }
    if (shiftsMagnifier(index))
        state.MagnifierShift = PlacementShift;
}

void ToolPalette::resetPanel()
{
    QCheckBox& lineStyle = m_controls.lijnCheck;
    lineStyle.hide();
    lineStyle.setChecked(true);
    lineStyle.setText(QStringLiteral("Onafgebroken lijn"));
    m_controls.panel.GumBack()->hide();
    m_controls.panel.GumScroll()->hide();
    m_controls.panel.GumLabel()->hide();

    for (int f = 1; f <= 3; ++f) {
        Floor& floor = m_floors.floor(f);
        floor.overlays.textVisible = false;
        floor.overlays.cursorImageVisible = false;
        floor.overlays.gumVisible = false;
        floor.pen.width = 1;
        floor.pen.dotted = false;
        m_controls.canvases[size_t(f - 1)]->update();
    }
    for (int i = 1; i <= OptionImages; ++i) {
        QLabel* option = m_controls.panel.Tumb(i);
        option->hide();
        setFramed(option, false);
    }
}

void ToolPalette::showOptions(int count, int base)
{
    for (int i = 1; i <= count; ++i) {
        QLabel* option = m_controls.panel.Tumb(i);
        option->setPixmap(QPixmap::fromImage(m_library.picture(base + i)));
        option->show();
    }
}

void ToolPalette::setHeadings(const QString& caption)
{
    for (QLabel* heading : m_controls.headings) {
        heading->setText(caption);
        heading->adjustSize();
    }
}

void ToolPalette::showLibraryOverview()
{
    if (!m_context.prompts.askYesNo(QStringLiteral(" Show"), QStringLiteral("Bestaande plattegrond wordt verwijderd!"))) {
        setHeadings(QStringLiteral("Tools"));
        return;
    }
    const int f = m_context.state.CurrentFloor;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const RasterOp op = rasterOpFromText(m_context.state.RasterOpText).value_or(RasterOp::And);
    paintLibraryOverview(m_floors.floor(f).image, m_library, op);
    m_controls.canvases[size_t(f - 1)]->update();
    QGuiApplication::restoreOverrideCursor();
}

void ToolPalette::ChooseOption(int index)
{
    if (index < 1 || index > OptionImages)
        return;
    for (int i = 1; i <= OptionImages; ++i)
        setFramed(m_controls.panel.Tumb(i), i == index);
    Algemeen& state = m_context.state;
    state.ChosenOption = quint8(index);

    const int tool = state.CurrentTool;
    Floor& floor = m_floors.floor(state.CurrentFloor);
    if (isLineTool(tool)) {
        floor.pen.width = index;
    } else if (tool == 4) {
        state.ArrowStyle = quint8(index);
    } else if (isSymbolTool(tool)) {
        floor.overlays.cursorImage = m_library.picture(state.OptionBase + index);
        floor.overlays.cursorImageVisible = true;
        m_controls.canvases[size_t(state.CurrentFloor - 1)]->update();
    }
}
