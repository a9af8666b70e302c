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

void setFramed(QLabel* option, bool framed)
{
    option->setFrameStyle(framed ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    option->setLineWidth(1);
}
} // namespace

ToolPalette::ToolPalette(AppContext& context, Plan& plan, const PictureLibrary& library, Controls controls,
                         std::function<void()> openTextDialog, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_plan(plan)
    , m_library(library)
    , m_controls(controls)
    , m_openTextDialog(std::move(openTextDialog))
{
}

void ToolPalette::selectTool(ToolKind tool)
{
    ToolChoice& choice = m_plan.toolChoice;
    choice.current = tool;
    choice.chosenOption = 1;
    resetPanel();

    const ToolEntry& entry = toolEntry(tool);
    choice.optionBase = entry.optionBase;
    m_context.showInfoText(entry.info);
    setHeadings(entry.caption);

    if (tool == ToolKind::LibraryOverview) {
        showLibraryOverview();
    } else if (tool == ToolKind::Text) {
        m_context.playSound(QStringLiteral("space.wav"));
        m_openTextDialog();
    } else if (tool == ToolKind::Eraser) {
        const int f = m_plan.currentFloor();
        m_plan.floor(f).overlays.gumVisible = true;
        m_controls.canvases[size_t(f - 1)]->update();
        m_controls.panel.eraserBackdrop()->show();
        m_controls.panel.eraserSizeBar()->show();
        m_controls.panel.eraserSizeLabel()->show();
    } else {
        showOptions(entry.optionCount, entry.optionBase);
        if (toolProperties(tool).offersDottedLine)
            m_controls.lineStyle.show();
    }
}

void ToolPalette::resetPanel()
{
    QCheckBox& lineStyle = m_controls.lineStyle;
    lineStyle.hide();
    lineStyle.setChecked(true);
    lineStyle.setText(QStringLiteral("Onafgebroken lijn"));
    m_controls.panel.eraserBackdrop()->hide();
    m_controls.panel.eraserSizeBar()->hide();
    m_controls.panel.eraserSizeLabel()->hide();

    for (int f = 1; f <= 3; ++f) {
        Floor& floor = m_plan.floor(f);
        floor.overlays.textVisible = false;
        floor.overlays.cursorImageVisible = false;
        floor.overlays.gumVisible = false;
        floor.pen.width = 1;
        floor.pen.dotted = false;
        m_controls.canvases[size_t(f - 1)]->update();
    }
    for (int i = 1; i <= OptionImages; ++i) {
        QLabel* option = m_controls.panel.optionImage(i);
        option->hide();
        setFramed(option, false);
    }
}

void ToolPalette::showOptions(int count, int base)
{
    for (int i = 1; i <= count; ++i) {
        QLabel* option = m_controls.panel.optionImage(i);
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
    const int f = m_plan.currentFloor();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const RasterOp op = rasterOpFromText(m_plan.toolChoice.rasterOpText).value_or(RasterOp::And);
    m_plan.history().record({f}, changeName(ToolKind::LibraryOverview), [&] {
        // The plan goes as a whole, the part a narrowed canvas hides included.
        m_plan.floor(f).clear();
        paintLibraryOverview(m_plan.floor(f).image, m_library, op);
    });
    m_controls.canvases[size_t(f - 1)]->update();
    QGuiApplication::restoreOverrideCursor();
}

void ToolPalette::chooseOption(int index)
{
    if (index < 1 || index > OptionImages)
        return;
    for (int i = 1; i <= OptionImages; ++i)
        setFramed(m_controls.panel.optionImage(i), i == index);
    ToolChoice& choice = m_plan.toolChoice;
    choice.chosenOption = index;

    const ToolProperties& tool = toolProperties(choice.current);
    const int f = m_plan.currentFloor();
    Floor& floor = m_plan.floor(f);
    if (tool.takesLineWidths) {
        floor.pen.width = index;
    } else if (tool.kind == ToolKind::Dimension) {
        choice.arrowStyle = index;
    } else if (tool.placesLibrarySymbol) {
        floor.overlays.cursorImage = m_library.picture(choice.optionBase + index);
        floor.overlays.cursorImageVisible = true;
        m_controls.canvases[size_t(f - 1)]->update();
    }
}
