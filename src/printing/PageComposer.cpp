#include "printing/PageComposer.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

namespace {
struct Item {
    int left;
    int top;
    int pointSize;
    QRgb colour;
};

constexpr Item Title{600, 450, 16, qRgb(160, 20, 80)};
constexpr Item DateLine{600, 10350, 10, qRgb(0, 0, 0)};

// One or two floors are printed large with a gap between them; three smaller
// and edge to edge, a little lower.
constexpr QRect LargeFloors[2] = {{300, 1200, 7200, 9120}, {7800, 1200, 7200, 9120}};
constexpr QRect SmallFloors[3] = {{300, 1500, 5250, 6830}, {5550, 1500, 5250, 6830}, {10800, 1500, 5250, 6830}};

// Maps twips onto the device through its own resolution.
class Twips {
public:
    Twips(const QPaintDevice& device, const QRect& printable)
        : m_origin(printable.topLeft())
        , m_scaleX(device.logicalDpiX() / double(PageComposer::TwipsPerInch))
        , m_scaleY(device.logicalDpiY() / double(PageComposer::TwipsPerInch))
    {
    }

    QPointF point(int x, int y) const { return {m_origin.x() + x * m_scaleX, m_origin.y() + y * m_scaleY}; }
    QRectF rect(const QRect& r) const
    {
        return {point(r.left(), r.top()), point(r.left() + r.width(), r.top() + r.height())};
    }

private:
    QPoint m_origin;
    double m_scaleX;
    double m_scaleY;
};

// Prints one line of text whose top edge lies at the item's position.
void printLine(QPainter& painter, const QPaintDevice& device, const Twips& twips, const Item& item,
               const QString& text)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(item.pointSize);
    font.setBold(true);
    // Resolve the point size against the device the page is going to, not the screen.
    const QFont deviceFont(font, &device);
    painter.setFont(deviceFont);
    painter.setPen(QColor::fromRgb(item.colour));
    const QPointF top = twips.point(item.left, item.top);
    const QFontMetricsF metrics(deviceFont, &device);
    painter.drawText(QPointF(top.x(), top.y() + metrics.ascent()), text);
}
} // namespace

QRect PageComposer::floorRectTwips(int floorCount, int floor)
{
    if (floor < 1 || floor > floorCount)
        return {};
    if (floorCount == 1 || floorCount == 2)
        return LargeFloors[floor - 1];
    if (floorCount == 3)
        return SmallFloors[floor - 1];
    return {};
}

QString PageComposer::dateLine(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" / ")
        + locale.toString(when.time(), QLocale::ShortFormat);
}

void PageComposer::paint(QPainter& painter, const QPaintDevice& device, const QRect& printable,
                         const PageContents& page)
{
    const Twips twips(device, printable);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Plans are thin lines on white: enlarge them as blocks, never blur them.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A lossy picture would put speckles round every line of the plan.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);

    printLine(painter, device, twips, Title, page.title);

    for (int floor = 1; floor <= page.floorCount; ++floor) {
        const QRect target = floorRectTwips(page.floorCount, floor);
        if (target.isEmpty())
            continue;
        const QImage& picture = page.floors[size_t(floor - 1)];
        // The whole canvas goes into the rectangle; a wider canvas is squeezed to fit.
        painter.drawImage(twips.rect(target), picture, QRectF(picture.rect()));
    }

    if (page.withDate)
        printLine(painter, device, twips, DateLine, dateLine(page.printedAt));
    painter.restore();
}

void PageComposer::paint(QPaintDevice& device, const QRect& printable, const PageContents& page)
{
    QPainter painter(&device);
    paint(painter, device, printable, page);
}
