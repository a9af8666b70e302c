#include "iconeditor/IconGrid.h"

#include "iconeditor/IconEditor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

IconGrid::IconGrid(IconEditor& editor, QWidget* parent)
    : QFrame(parent)
    , m_editor(editor)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    // Only the cells that changed are painted again.
    connect(&m_editor, &IconEditor::gridChanged, this,
            [this](QRect area) { update(area.translated(contentsRect().topLeft())); });
    connect(&m_editor, &IconEditor::pickingChanged, this, &IconGrid::showPicking);
}

void IconGrid::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect area = event->rect() & contentsRect();
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(area, m_editor.grid(), area.translated(-contentsRect().topLeft()));
}

QPoint IconGrid::toGrid(const QMouseEvent* event) const
{
    return event->position().toPoint() - contentsRect().topLeft();
}

void IconGrid::mousePressEvent(QMouseEvent* event)
{
    // The border is not part of the grid.
    if (!contentsRect().contains(event->position().toPoint()))
        return;
    m_editor.pointerPressed(toGrid(event), event->buttons());
}

void IconGrid::mouseMoveEvent(QMouseEvent* event)
{
    // A drag that started on the grid goes on reporting beyond it; a pointer
    // merely passing over the border does not count.
    if (event->buttons() == Qt::NoButton && !contentsRect().contains(event->position().toPoint()))
        return;
    m_editor.pointerMoved(toGrid(event), event->buttons());
}

void IconGrid::showPicking(bool picking)
{
    setCursor(picking ? Qt::CrossCursor : Qt::ArrowCursor);
}
