#include "printing/ScalePageComposer.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int MarginPixels = 5;
constexpr double MillimetresPerInch = 25.4;
// Bands above and below the plan, in millimetres: the title and the floor's
// name above, the scale, the bar and the date below.
constexpr double HeaderHeight = 20;
constexpr double FooterHeight = 14;
constexpr double BarHeight = 2;
constexpr QRgb TitleColour = qRgb(160, 20, 80);

QSizeF roomFor(const QPageLayout& layout)
{
    const QSizeF printable = layout.paintRect(QPageLayout::Millimeter).size();
    return {printable.width(), printable.height() - HeaderHeight - FooterHeight};
}

bool fitsIn(const ScalePage& page, const QSizeF& room)
{
    const QSizeF plan = ScalePageComposer::planSize(page);
    return plan.width() <= room.width() && plan.height() <= room.height();
}

// Millimetres on paper to the device's pixels.
class Paper {
public:
    Paper(const QPaintDevice& device, const QRect& printable)
        : m_origin(printable.topLeft())
        , m_x(device.logicalDpiX() / MillimetresPerInch)
        , m_y(device.logicalDpiY() / MillimetresPerInch)
    {
    }
    QPointF point(double x, double y) const { return {m_origin.x() + x * m_x, m_origin.y() + y * m_y}; }
    QRectF rect(double x, double y, double width, double height) const
    {
        return {point(x, y), point(x + width, y + height)};
    }
    double widthInMillimetres(double pixels) const { return pixels / m_x; }
    double heightInMillimetres(double pixels) const { return pixels / m_y; }

private:
    QPoint m_origin;
    double m_x;
    double m_y;
};

// Prints one line of text whose top edge lies `top` millimetres down, starting
// at `left`, or ending there when `alignRight`. Returns its width in millimetres.
double printLine(QPainter& painter, const QPaintDevice& device, const Paper& paper, double left, double top,
                 int pointSize, QRgb colour, const QString& text, bool alignRight = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(true);
    const QFont deviceFont(font, &device);
    painter.setFont(deviceFont);
    painter.setPen(QColor::fromRgb(colour));
    const QFontMetricsF metrics(deviceFont, &device);
    const double width = paper.widthInMillimetres(metrics.horizontalAdvance(text));
    const QPointF at = paper.point(alignRight ? left - width : left, top);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    return width;
}
} // namespace

QRect ScalePageComposer::drawnBox(const QImage& floor)
{
    QRect box;
    for (int y = 0; y < floor.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(floor.constScanLine(y));
        int first = -1;
        int last = -1;
        for (int x = 0; x < floor.width(); ++x) {
            if ((line[x] & 0xffffffu) != 0xffffffu) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            box |= QRect(first, y, last - first + 1, 1);
    }
    if (box.isEmpty())
        return {};
    return box.adjusted(-MarginPixels, -MarginPixels, MarginPixels, MarginPixels) & floor.rect();
}

QSizeF ScalePageComposer::planSize(const ScalePage& page)
{
    const double millimetres = page.centimetresPerPixel * 10.0 / page.ratio;
    const QRect box = drawnBox(page.floor);
    return {box.width() * millimetres, box.height() * millimetres};
}

std::optional<QPageLayout::Orientation> ScalePageComposer::orientationFor(const ScalePage& page, QPageLayout layout)
{
    for (const QPageLayout::Orientation orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        layout.setOrientation(orientation);
        if (fitsIn(page, roomFor(layout)))
            return orientation;
    }
    return std::nullopt;
}

bool ScalePageComposer::allFit(const std::vector<ScalePage>& pages, const QPageLayout& layout)
{
    return std::all_of(pages.begin(), pages.end(), [&layout](const ScalePage& p) { return orientationFor(p, layout); });
}

QString ScalePageComposer::refusal(const std::vector<ScalePage>& pages, const QPageLayout& layout)
{
    if (allFit(pages, layout))
        return {};
    const QString refused = QStringLiteral("Bij ") + scaleText(pages.front().ratio).toLower()
        + QStringLiteral(" past de plattegrond niet op het papier");
    for (const int ratio : Ratios) {
        std::vector<ScalePage> tried = pages;
        for (ScalePage& page : tried)
            page.ratio = ratio;
        if (allFit(tried, layout))
            return refused + QStringLiteral("; bij 1:") + QString::number(ratio) + QStringLiteral(" past hij wel.");
    }
    return refused + QStringLiteral(", en bij geen van de schalen 1:20, 1:50, 1:100 en 1:200.\n"
                                    "Kies bij File > Print Setup groter papier.");
}

QString ScalePageComposer::scaleText(int ratio)
{
    return QStringLiteral("Schaal 1:") + QString::number(ratio);
}

void ScalePageComposer::paint(QPainter& painter, const QPaintDevice& device, const QRect& printable,
                              const ScalePage& page)
{
    const Paper paper(device, printable);
    const double printableWidth = paper.widthInMillimetres(printable.width());
    const double footerTop = paper.heightInMillimetres(printable.height()) - FooterHeight;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Pixels become exact little squares: no blur, no lossy compression.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);

    printLine(painter, device, paper, 0, 0, 16, TitleColour, page.title);
    printLine(painter, device, paper, 0, 10, 11, qRgb(0, 0, 0), page.floorName);

    const QRect box = drawnBox(page.floor);
    const QSizeF plan = planSize(page);
    painter.drawImage(paper.rect(0, HeaderHeight, plan.width(), plan.height()), page.floor, QRectF(box));

    // One metre at the page's ratio, with its length written beside it.
    const double bar = 1000.0 / page.ratio;
    printLine(painter, device, paper, 0, footerTop, 10, qRgb(0, 0, 0), scaleText(page.ratio));
    painter.fillRect(paper.rect(0, footerTop + 7, bar, BarHeight), Qt::black);
    printLine(painter, device, paper, bar + 2, footerTop + 6, 9, qRgb(0, 0, 0), QStringLiteral("1 m"));
    printLine(painter, device, paper, printableWidth, footerTop, 10, qRgb(0, 0, 0),
              QLocale::system().toString(page.date, QLocale::ShortFormat), true);
    painter.restore();
}
