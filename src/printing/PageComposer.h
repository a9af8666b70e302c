#pragma once

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>

class QPaintDevice;
class QPainter;

// Everything that ends up on the printed page.
struct PageContents {
    QString title;
    // How many floors go on the page, always starting with the ground floor.
    int floorCount = 1;
    // The floors' pictures, ground floor first.
    std::array<QImage, 3> floors;
    bool withDate = false;
    QDateTime printedAt;
};

// Lays out the landscape page. Positions are in twips (1440 per inch) from the
// top-left corner of the printable area, so the same page comes out on a
// printer, in a PDF file and on a test image of any resolution.
namespace PageComposer {

constexpr int TwipsPerInch = 1440;

// Where floor `floor` (1-based) goes when `floorCount` floors are printed, in
// twips; empty when that floor is not printed.
QRect floorRectTwips(int floorCount, int floor);

// "date / time" in the system's short formats.
QString dateLine(const QDateTime& when);

// Paints the page with `painter` active on `device`; `printable` is the
// printable area in the painter's device coordinates.
void paint(QPainter& painter, const QPaintDevice& device, const QRect& printable, const PageContents& page);

// Convenience for devices nobody is painting on yet.
void paint(QPaintDevice& device, const QRect& printable, const PageContents& page);

} // namespace PageComposer
