#include "PlanSheet.h"

#include "image/FloodFill.h"
#include "image/Primitives.h"
#include "image/RasterOp.h"
#include "image/TextStamp.h"

#include <QFontMetrics>

namespace {
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb DimensionBlue = 0xFF0000A0;
constexpr int CanvasWidth = 350;
constexpr int CanvasHeight = 455;

// The row (or column) inside a door or window symbol where its wall begins:
// openings that swing or look into the room above (or left) stand on the
// symbol's bottom (or right) rows 23..29, the others on rows 2..8.
int wallBandStart(int index)
{
    switch (index) {
    case 42:
    case 43:
    case 47:
    case 48:
        return 2;
    default:
        return 23;
    }
}
} // namespace

PlanSheet::PlanSheet(const PictureLibrary& library)
    : m_library(library)
    , m_image(CanvasWidth, CanvasHeight, QImage::Format_RGB32)
    , m_labelFont(QStringLiteral("Arial"))
    , m_titleFont(QStringLiteral("Arial"))
{
    m_image.fill(White);
    m_labelFont.setPixelSize(10);
    m_titleFont.setPixelSize(14);
    m_titleFont.setBold(true);
}

void PlanSheet::title(const QString& text)
{
    drawText(m_image, QPoint(10, 6), text, m_titleFont, Black);
}

void PlanSheet::outerWalls(int x0, int y0, int x1, int y1)
{
    const Pen pen{3, false, false};
    drawBox(m_image, QPoint(x0, y0), QPoint(x1, y1), Black, pen);
    drawBox(m_image, QPoint(x0 + 4, y0 + 4), QPoint(x1 - 4, y1 - 4), Black, pen);
}

void PlanSheet::innerWall(int x0, int y0, int x1, int y1)
{
    drawLine(m_image, QPoint(x0, y0), QPoint(x1, y1), Black, Pen{5, false, false});
}

void PlanSheet::partition(int x0, int y0, int x1, int y1)
{
    drawLine(m_image, QPoint(x0, y0), QPoint(x1, y1), Black, Pen{3, false, false});
}

void PlanSheet::line(int x0, int y0, int x1, int y1, const Pen& pen)
{
    drawLine(m_image, QPoint(x0, y0), QPoint(x1, y1), Black, pen);
}

void PlanSheet::box(int x0, int y0, int x1, int y1)
{
    drawBox(m_image, QPoint(x0, y0), QPoint(x1, y1), Black, Pen{1, false, false});
}

void PlanSheet::block(int x0, int y0, int x1, int y1, QRgb colour)
{
    fillBox(m_image, QPoint(x0, y0), QPoint(x1, y1), colour);
}

void PlanSheet::openingInRow(int index, int left, int wallRow)
{
    placeOpening(index, left, wallRow - wallBandStart(index) - 3);
}

void PlanSheet::openingInColumn(int index, int top, int wallColumn)
{
    placeOpening(index, wallColumn - wallBandStart(index) - 3, top);
}

void PlanSheet::placeOpening(int index, int left, int top)
{
    // As the door and window tools do: whiten the wall under the opening first.
    fillBox(m_image, QPoint(left + 2, top + 2), QPoint(left + 29, top + 29), White);
    symbol(index, left, top);
}

void PlanSheet::symbol(int index, int left, int top)
{
    if (!m_library.has(index))
        qFatal("examplegen: library picture %d is missing", index);
    blitRaster(m_image, m_library.picture(index), QPoint(left, top), RasterOp::And);
}

void PlanSheet::fillRoom(int x, int y, QRgb colour)
{
    if (m_image.pixel(x, y) != White)
        qFatal("examplegen: fill seed %d,%d is not on white paper", x, y);
    floodFill(m_image, QPoint(x, y), colour);
}

void PlanSheet::label(const QString& text, int x, int y)
{
    drawText(m_image, QPoint(x, y), text, m_labelFont, Black);
}

void PlanSheet::furnish(std::initializer_list<Fill> fills, std::initializer_list<Symbol> symbols,
                        std::initializer_list<Label> labels)
{
    for (const Fill& f : fills)
        fillRoom(f.x, f.y, f.colour);
    for (const Symbol& s : symbols)
        symbol(s.index, s.left, s.top);
    for (const Label& l : labels)
        label(QString::fromUtf8(l.text), l.x, l.y);
}

void PlanSheet::horizontalDimension(int x0, int x1, int y, const QString& text)
{
    const Pen thin{1, false, false};
    drawLine(m_image, QPoint(x0, y), QPoint(x1, y), DimensionBlue, thin);
    drawLine(m_image, QPoint(x0, y - 4), QPoint(x0, y + 4), DimensionBlue, thin);
    drawLine(m_image, QPoint(x1, y - 4), QPoint(x1, y + 4), DimensionBlue, thin);
    const int width = QFontMetrics(m_labelFont).horizontalAdvance(text);
    drawText(m_image, QPoint((x0 + x1 - width) / 2, y + 3), text, m_labelFont, DimensionBlue);
}

void PlanSheet::verticalDimension(int x, int y0, int y1, const QString& text)
{
    const Pen thin{1, false, false};
    drawLine(m_image, QPoint(x, y0), QPoint(x, y1), DimensionBlue, thin);
    drawLine(m_image, QPoint(x - 4, y0), QPoint(x + 4, y0), DimensionBlue, thin);
    drawLine(m_image, QPoint(x - 4, y1), QPoint(x + 4, y1), DimensionBlue, thin);
    const int height = QFontMetrics(m_labelFont).height();
    drawText(m_image, QPoint(x + 4, (y0 + y1 - height) / 2), text, m_labelFont, DimensionBlue);
}

void PlanSheet::northAndScale()
{
    symbol(12, 312, 418);
    const Pen thin{1, false, false};
    fillBox(m_image, QPoint(10, 440), QPoint(10 + Metre - 1, 442), Black);
    drawLine(m_image, QPoint(10, 436), QPoint(10, 446), Black, thin);
    drawLine(m_image, QPoint(10 + Metre - 1, 436), QPoint(10 + Metre - 1, 446), Black, thin);
    drawText(m_image, QPoint(10 + Metre + 4, 434), QStringLiteral("1 m"), m_labelFont, Black);
}
