#include "drawing/tools/DimensionTool.h"

#include "plan/Plan.h"
#include "plan/PlanScale.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"

#include <QFontMetrics>

#include <cstdlib>

namespace {
constexpr int SnapTolerance = 5;
// A tick runs across the line from 4 pixels before it to 5 after it.
constexpr int TickBefore = 4;
constexpr int TickAfter = 5;
// Arrowheads are five segments deep, each one pixel longer on both sides.
constexpr int HeadDepth = 5;

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);

// Whole-pixel offsets only: a position counts as level (or plumb) when it is
// exactly one of the eleven whole steps from -5 to 5 away.
bool withinSnap(float value, float origin)
{
    for (int k = -SnapTolerance; k <= SnapTolerance; ++k) {
        if (value == origin + float(k))
            return true;
    }
    return false;
}

bool hasTicks(int style)
{
    return style == 1 || style == 3;
}

bool hasHeads(int style)
{
    return style == 2 || style == 3;
}

// Draws the marks with `along` as the direction from start to end and
// `across` the perpendicular, so one routine serves both orientations.
QRect drawDimension(QImage& image, const Pen& pen, int style, QPoint start, QPoint end, bool level)
{
    auto at = [level](QPoint base, int alongOffset, int acrossOffset) {
        return level ? base + QPoint(alongOffset, acrossOffset) : base + QPoint(acrossOffset, alongOffset);
    };
    QRect changed = drawLine(image, start, end, Black, pen);
    if (hasTicks(style)) {
        changed |= drawLine(image, at(start, 0, -TickBefore), at(start, 0, TickAfter), Black, pen);
        changed |= drawLine(image, at(end, 0, -TickBefore), at(end, 0, TickAfter), Black, pen);
    }
    if (hasHeads(style)) {
        for (int i = 0; i < HeadDepth; ++i) {
            changed |= drawLine(image, at(start, i, -i), at(start, i, i), Black, pen);
            changed |= drawLine(image, at(end, -i, -i), at(end, -i, i), Black, pen);
        }
    }
    return changed;
}

// With a plan scale, a dimension says how long it is: "3,45 m" in Arial 8,
// centred above a level dimension or to the left of a plumb one, clear of its marks.
QRect drawLength(ToolCanvas& canvas, QPoint start, QPoint end, bool level)
{
    if (!canvas.scaleOn())
        return {};
    const int pixels = level ? std::abs(end.x() - start.x()) : std::abs(end.y() - start.y());
    const QString text = PlanScale::metresText(canvas.scale->metres(pixels));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QPoint middle = (start + end) / 2;
    const QPoint topLeft = level ? QPoint(middle.x() - size.width() / 2, start.y() - TickBefore - 2 - size.height())
                                 : QPoint(start.x() - TickBefore - 3 - size.width(), middle.y() - size.height() / 2);
    return drawText(canvas.floor.image, topLeft, text, font, Black);
}
} // namespace

QRect DimensionTool::finish(ToolCanvas& canvas, const PointerPoints& points)
{
    const QPointF end = points.current;
    const int arrowStyle = canvas.plan.toolChoice.arrowStyle;
    Floor& floor = canvas.floor;
    const QPoint start = startPixel(points);
    const QPoint raw = pixelAt(end.x(), end.y());

    // The white line follows the raw drag, so it whitens the rubber band and
    // whatever it crossed before the dimension goes onto the snapped line.
    QRect changed = drawLine(floor.image, start, raw, White, floor.pen);
    if (withinSnap(float(end.y()), float(points.press.y()))) {
        const QPoint snapped(raw.x(), start.y());
        changed |= drawDimension(floor.image, floor.pen, arrowStyle, start, snapped, true);
        return changed | drawLength(canvas, start, snapped, true);
    }

    changed |= drawLine(floor.image, start, raw, White, floor.pen);
    if (!withinSnap(float(end.x()), float(points.press.x())))
        return changed;
    const QPoint snapped(start.x(), raw.y());
    changed |= drawDimension(floor.image, floor.pen, arrowStyle, start, snapped, false);
    return changed | drawLength(canvas, start, snapped, false);
}
