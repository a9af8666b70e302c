#pragma once

#include <QDate>
#include <QImage>
#include <QPageLayout>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

// One floor printed to scale.
struct ScalePage {
    QString title;
    QString floorName;
    // The floor's whole picture; only its drawn part is printed.
    QImage floor;
    int centimetresPerPixel = 0;
    // The 100 of "1:100".
    int ratio = 100;
    QDate date;
};

// Lays out a page that can be measured with a ruler: the drawn part of a floor
// at exact size (one pixel is N cm divided by the ratio), the title and the
// floor's name above it, the scale, a scale bar of one metre and the date below.
namespace ScalePageComposer {

// The ratios offered, largest drawing first.
inline constexpr std::array<int, 4> Ratios{20, 50, 100, 200};

// The box round the floor's non-white pixels with a small white margin, inside
// the picture; empty for a blank floor.
QRect drawnBox(const QImage& floor);

// The printed size of the page's plan, in millimetres.
QSizeF planSize(const ScalePage& page);

// The orientation of `layout`'s paper in which the page's plan fits, portrait
// first; none when it fits neither way. Each page of a printout gets its own,
// so a long floor and a wide one print together at one ratio.
std::optional<QPageLayout::Orientation> orientationFor(const ScalePage& page, QPageLayout layout);
// True when every page fits one way or the other.
bool allFit(const std::vector<ScalePage>& pages, const QPageLayout& layout);

// Empty when the pages fit at their ratio; otherwise the user is told so, with
// the first ratio of the list at which they would fit, or that none does.
QString refusal(const std::vector<ScalePage>& pages, const QPageLayout& layout);

// "Schaal 1:100"
QString scaleText(int ratio);

// Paints the page with `painter` active on `device`; `printable` is the
// printable area in the painter's device coordinates.
void paint(QPainter& painter, const QPaintDevice& device, const QRect& printable, const ScalePage& page);

} // namespace ScalePageComposer
