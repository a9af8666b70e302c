#include "drawing/DrawingControls.h"

#include "core/AppContext.h"
#include "drawing/ColorPanel.h"
#include "drawing/ToolPanel.h"
#include "drawing/tools/DrawingTools.h"
#include "plan/Plan.h"
#include "floors/CanvasWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

DrawingControls::DrawingControls(AppContext& context, Plan& plan, PlanScale& scale, Controls controls,
                                 std::function<void(int floor)> showFloor)
    : m_context(context)
    , m_plan(plan)
    , m_controls(controls)
    , m_showFloor(std::move(showFloor))
    , m_engine(context, plan)
    , m_style(context, plan)
{
    registerDrawingTools(m_engine);
    m_engine.setScale(&scale);
    wireCanvases();
    wireStyleControls();
    wireEditMenu();
}

DrawingControls::~DrawingControls()
{
    m_plan.history().onChange({});
}

void DrawingControls::repaint(int floor, const QRegion& area)
{
    if (floor >= 1 && floor <= 3 && !area.isEmpty())
        canvas(floor)->update(area);
}

void DrawingControls::showCoordinates()
{
    QLabel* label = m_controls.coordinates;
    if (m_engine.metresText().isEmpty()) {
        if (label->property("metres").toBool()) {
            label->setFont(QFont());
            label->setGeometry(m_coordGeometry);
            label->setProperty("metres", false);
        }
        label->setText(m_engine.coordText());
        return;
    }
    // With a scale the read-out takes a second line in a smaller type to fit its bar.
    if (!label->property("metres").toBool()) {
        m_coordGeometry = label->geometry();
        QFont small = label->font();
        small.setPixelSize(9);
        label->setFont(small);
        label->setGeometry(m_coordGeometry.left(), 2, m_coordGeometry.width(), 24);
        label->setProperty("metres", true);
    }
    label->setText(m_engine.coordText() + QLatin1Char('\n') + m_engine.metresText());
}

void DrawingControls::wireCanvases()
{
    for (CanvasWidget* canvas : m_controls.canvases) {
        connect(canvas, &CanvasWidget::pressed, this,
                [this](int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF at) {
                    repaint(floor, m_engine.press(floor, buttons, at));
                });
        connect(canvas, &CanvasWidget::moved, this,
                [this](int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF at) {
                    repaint(floor, m_engine.move(floor, buttons, at));
                    showCoordinates();
                });
        connect(canvas, &CanvasWidget::released, this,
                [this](int floor, Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF at) {
                    repaint(floor, m_engine.release(floor, buttons, at));
                });
    }
}

void DrawingControls::wireStyleControls()
{
    ColorPanel* colours = m_controls.colours;
    for (int bar = 1; bar <= 3; ++bar) {
        // Only a drag of the scroll box sets the colour; clicks on the arrows
        // or the track move the bar and leave the colour as it is.
        connect(colours->colourBar(bar), &QScrollBar::sliderMoved, this, [this, colours, bar](int value) {
            const QColor colour = m_style.colourBarDragged(bar, value);
            colours->setSwatch(colour.red(), colour.green(), colour.blue());
        });
    }

    ToolPanel* tools = m_controls.tools;
    connect(tools->eraserSizeBar(), &QScrollBar::valueChanged, this, [this, tools](int value) {
        tools->eraserSizeLabel()->setText(m_style.eraserSizeChanged(value));
        tools->eraserSizeLabel()->adjustSize();
        canvas(m_plan.currentFloor())->update();
    });

    QCheckBox* lineStyle = m_controls.lineStyle;
    connect(lineStyle, &QCheckBox::toggled, this,
            [this, lineStyle](bool ticked) { lineStyle->setText(m_style.lineStyleClicked(ticked)); });
}

void DrawingControls::wireEditMenu()
{
    auto current = [this] { return m_plan.currentFloor(); };
    m_plan.history().onChange([this] {
        m_controls.undo->setEnabled(m_plan.history().canUndo());
        m_controls.redo->setEnabled(m_plan.history().canRedo());
    });
    connect(m_controls.undo, &QAction::triggered, this, [this] { stepThroughHistory(true); });
    connect(m_controls.redo, &QAction::triggered, this, [this] { stepThroughHistory(false); });
    connect(m_controls.copy, &QAction::triggered, this, [this, current] { m_plan.copy(current()); });
    connect(m_controls.paste, &QAction::triggered, this, [this, current] {
        if (!confirmDroppingHiddenColumns(m_context.prompts, m_plan.floor(current())))
            return;
        m_plan.paste(current());
        canvas(current())->update();
    });
}

void DrawingControls::stepThroughHistory(bool back)
{
    History& history = m_plan.history();
    const auto outcome = back ? history.undo(m_plan.currentFloor()) : history.redo(m_plan.currentFloor());
    if (!outcome)
        return;
    if (outcome->floor != m_plan.currentFloor())
        m_showFloor(outcome->floor);
    for (int f = 1; f <= 3; ++f)
        canvas(f)->update();
    m_context.showInfoText((back ? QStringLiteral("Ongedaan: ") : QStringLiteral("Opnieuw: ")) + outcome->description);
}
