#include "iconeditor/IconEditor.h"

#include "core/AppContext.h"
#include "image/IconGridImage.h"
#include "image/IconOps.h"

#include <cstdlib>

const QString IconEditor::DefaultCaption = QStringLiteral(" 35 x 35 Design");

namespace {
// Whole part of a / 10 rounded down, also for a pointer dragged off to the left.
int tens(int a)
{
    return a >= 0 ? a / IconCellPitch : -((-a + IconCellPitch - 1) / IconCellPitch);
}

// The pointer is taken 5 pixels further on, so that it counts from the
// middle of the cells: the grid's margin of 5 pixels falls into cell -1.
int cellIndex(int pointer)
{
    return tens(pointer + IconGridOrigin) - 1;
}

bool insideIcon(QPoint cell)
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < IconSide && cell.y() < IconSide;
}
} // namespace

IconEditor::IconEditor(AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_icon(blankIcon())
    , m_grid(blankIconGrid())
{
}

void IconEditor::setDrawingColour(QRgb colour)
{
    m_colour = colour | 0xff000000u;
    emit drawingColourChanged(m_colour);
}

void IconEditor::setCaption(const QString& caption)
{
    m_caption = caption;
    emit captionChanged(m_caption);
}

void IconEditor::pointerPressed(QPoint at, Qt::MouseButtons buttons)
{
    showCoords(at);
    m_lastCell.reset();
    if (isPickingColour()) {
        pickColour(at);
        return;
    }
    if (buttons != Qt::LeftButton)
        return;
    const QPoint cell(cellIndex(at.x()), cellIndex(at.y()));
    paintCell(cell);
    m_lastCell = cell;
}

void IconEditor::pointerMoved(QPoint at, Qt::MouseButtons buttons)
{
    showCoords(at);
    if (isPickingColour())
        return;
    if (buttons != Qt::LeftButton) {
        m_lastCell.reset();
        return;
    }
    const QPoint cell(cellIndex(at.x()), cellIndex(at.y()));
    if (m_lastCell)
        paintCellsTo(cell);
    else
        paintCell(cell);
    m_lastCell = cell;
}

void IconEditor::showCoords(QPoint at)
{
    const QString text = QStringLiteral(" X:") + QString::number(tens(at.x() + IconGridOrigin))
                         + QStringLiteral(" - Y:") + QString::number(tens(at.y() + IconGridOrigin));
    if (text == m_coordText)
        return;
    m_coordText = text;
    emit coordTextChanged(m_coordText);
}

void IconEditor::paintCell(QPoint cell)
{
    if (!insideIcon(cell) || m_icon.pixel(cell) == m_colour)
        return;
    m_icon.setPixel(cell, m_colour);
    emit gridChanged(paintIconGridCell(m_grid, cell, m_colour));
    emit iconChanged();
}

void IconEditor::paintCellsTo(QPoint cell)
{
    // A quick drag reports the pointer only now and then; the cells between
    // two reports were passed over too, so they are painted as well.
    const QPoint from = *m_lastCell;
    const int dx = std::abs(cell.x() - from.x());
    const int dy = -std::abs(cell.y() - from.y());
    const int stepX = from.x() < cell.x() ? 1 : -1;
    const int stepY = from.y() < cell.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    for (;;) {
        paintCell(at);
        if (at == cell)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
}

void IconEditor::pickColour(QPoint at)
{
    // Exactly the pixel under the pointer, not the cell: a line gives its grey.
    if (m_grid.rect().contains(at))
        setDrawingColour(m_grid.pixel(at));
    m_tool = 0;
    emit pickingChanged(false);
    m_context.showInfoText(QStringLiteral("-"));
}

void IconEditor::startColourPick()
{
    m_tool = ColourPickTool;
    emit pickingChanged(true);
    m_context.showInfoText(QStringLiteral("Selecteer een kleur...."));
}

void IconEditor::redrawGrid()
{
    renderIconGrid(m_grid, m_icon);
    emit gridChanged(m_grid.rect());
    emit iconChanged();
}

void IconEditor::setIcon(const QImage& picture)
{
    // A smaller picture fills the top-left part; the rest stays white.
    m_icon = blankIcon();
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < qMin(source.height(), IconSide); ++y)
        for (int x = 0; x < qMin(source.width(), IconSide); ++x)
            m_icon.setPixel(x, y, source.pixel(x, y));
    redrawGrid();
}

void IconEditor::changeIcon(void (*operation)(QImage&))
{
    operation(m_icon);
    redrawGrid();
}

void IconEditor::changeIcon(void (*operation)(QImage&, int, QRgb), int n)
{
    operation(m_icon, n, m_colour);
    redrawGrid();
}

void IconEditor::clear()
{
    m_icon = blankIcon();
    m_grid = blankIconGrid();
    setCaption(DefaultCaption);
    emit gridChanged(m_grid.rect());
    emit iconChanged();
}

void IconEditor::fill()
{
    fillIcon(m_icon, m_colour);
    fillIconGrid(m_grid, m_colour);
    emit gridChanged(m_grid.rect());
    emit iconChanged();
}
