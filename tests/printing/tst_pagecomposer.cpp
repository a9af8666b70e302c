#include "PageProbe.h"
#include "printing/PageComposer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QtTest>

using namespace PageProbe;

namespace {
const QRgb TitleColour = qRgb(160, 20, 80);
const QRgb FloorColour[3] = {qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};
// A dot on every floor, in canvas pixels.
const QPoint Dot(100, 200);

// A landscape A4 printable area at `dpi`, white, that knows its own resolution.
QImage blankPage(int dpi)
{
    QImage page(qRound(11.69 * dpi), qRound(8.27 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    return page;
}

QImage floorPicture(int floor, int width)
{
    QImage picture(width, 455, QImage::Format_RGB32);
    picture.fill(FloorColour[floor - 1]);
    picture.setPixel(Dot, qRgb(0, 0, 0));
    return picture;
}

PageContents contents(int floorCount, int canvasWidth = 350)
{
    PageContents page;
    page.title = QStringLiteral("TITEL");
    page.floorCount = floorCount;
    for (int f = 1; f <= 3; ++f)
        page.floors[size_t(f - 1)] = floorPicture(f, canvasWidth);
    page.printedAt = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    return page;
}

double em(int pointSize, int dpi) { return pointSize * dpi / 72.0; }
bool isDark(QRgb p) { return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100; }
} // namespace

class TestPageComposer : public QObject {
    Q_OBJECT
private slots:
    void title_data();
    void title();
    void floors_data();
    void floors();
    void dateLine_data();
    void dateLine();
    void dateText();
};

void TestPageComposer::title_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QPoint>("printableOrigin");
    QTest::newRow("96 dpi") << 96 << QPoint(0, 0);
    QTest::newRow("144 dpi") << 144 << QPoint(0, 0);
    QTest::newRow("300 dpi") << 300 << QPoint(0, 0);
    QTest::newRow("printable area inset") << 144 << QPoint(37, 21);
}

void TestPageComposer::title()
{
    QFETCH(int, dpi);
    QFETCH(QPoint, printableOrigin);
    QImage page = blankPage(dpi);
    PageContents text = contents(1);
    text.floorCount = 0;
    PageComposer::paint(page, QRect(printableOrigin, page.size()), text);

    const QRect ink = boundingBox(page, [](QRgb p) { return p != qRgb(255, 255, 255); });
    QVERIFY(count(page, [](QRgb p) { return near(p, TitleColour, 2); }) > 0);
    // Antialiased edges blend the title colour with white: red stays strongest.
    QCOMPARE(count(page, [](QRgb p) { return p != qRgb(255, 255, 255) && (qRed(p) < qGreen(p) || qRed(p) < qBlue(p)); }), 0);

    const double size = em(16, dpi);
    const QPointF at(printableOrigin.x() + 600 * dpi / 1440.0, printableOrigin.y() + 450 * dpi / 1440.0);
    // The position is the top of the text line: capitals start a little below it.
    QVERIFY2(ink.left() >= at.x() - 1 && ink.left() <= at.x() + 0.15 * size, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= at.y() + 0.1 * size && ink.top() <= at.y() + 0.3 * size, qPrintable(QString::number(ink.top())));
    // 16 points: capitals about 0.72 em high.
    QVERIFY2(ink.height() >= 0.62 * size && ink.height() <= 0.8 * size, qPrintable(QString::number(ink.height())));
}

void TestPageComposer::floors_data()
{
    QTest::addColumn<int>("floorCount");
    QTest::addColumn<int>("floor");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("dpi");
    QTest::newRow("1 floor") << 1 << 1 << QRect(300, 1200, 7200, 9120) << 350 << 96;
    QTest::newRow("2 floors, ground") << 2 << 1 << QRect(300, 1200, 7200, 9120) << 350 << 96;
    QTest::newRow("2 floors, first") << 2 << 2 << QRect(7800, 1200, 7200, 9120) << 350 << 96;
    QTest::newRow("3 floors, ground") << 3 << 1 << QRect(300, 1500, 5250, 6830) << 350 << 96;
    QTest::newRow("3 floors, first") << 3 << 2 << QRect(5550, 1500, 5250, 6830) << 350 << 96;
    QTest::newRow("3 floors, second") << 3 << 3 << QRect(10800, 1500, 5250, 6830) << 350 << 96;
    QTest::newRow("3 floors at 144 dpi") << 3 << 2 << QRect(5550, 1500, 5250, 6830) << 350 << 144;
    QTest::newRow("wide canvas squeezed") << 2 << 2 << QRect(7800, 1200, 7200, 9120) << 500 << 96;
}

void TestPageComposer::floors()
{
    QFETCH(int, floorCount);
    QFETCH(int, floor);
    QFETCH(QRect, twips);
    QFETCH(int, canvasWidth);
    QFETCH(int, dpi);
    QImage page = blankPage(dpi);
    PageComposer::paint(page, page.rect(), contents(floorCount, canvasWidth));
    QCOMPARE(PageComposer::floorRectTwips(floorCount, floor), twips);

    const double s = dpi / 1440.0;
    const QRectF target(twips.x() * s, twips.y() * s, twips.width() * s, twips.height() * s);
    const QRgb colour = FloorColour[floor - 1];
    const QRect painted = boundingBox(page, [colour](QRgb p) { return p == colour; });
    QVERIFY2(qAbs(painted.left() - target.left()) <= 1 && qAbs(painted.right() + 1 - target.right()) <= 1
                 && qAbs(painted.top() - target.top()) <= 1 && qAbs(painted.bottom() + 1 - target.bottom()) <= 1,
             qPrintable(QStringLiteral("painted %1,%2 %3x%4").arg(painted.x()).arg(painted.y()).arg(painted.width()).arg(painted.height())));

    // The dot lands where stretching the whole canvas into the rectangle puts it.
    const QPointF dot(target.left() + (Dot.x() + 0.5) * target.width() / canvasWidth,
                      target.top() + (Dot.y() + 0.5) * target.height() / 455);
    QCOMPARE(page.pixel(qFloor(dot.x()), qFloor(dot.y())), qRgb(0, 0, 0));
    const QRect dots = boundingBox(page.copy(target.toAlignedRect()), [](QRgb p) { return p == qRgb(0, 0, 0); });
    QVERIFY(dots.width() <= qCeil(target.width() / canvasWidth) + 1);
    QVERIFY(dots.height() <= qCeil(target.height() / 455) + 1);

    // Floors above the count stay off the page.
    for (int other = floorCount + 1; other <= 3; ++other) {
        const QRgb unused = FloorColour[other - 1];
        QCOMPARE(count(page, [unused](QRgb p) { return p == unused; }), 0);
    }
}

void TestPageComposer::dateLine_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("dpi");
    QTest::newRow("unticked") << false << 96;
    QTest::newRow("ticked") << true << 96;
    QTest::newRow("ticked at 300 dpi") << true << 300;
}

void TestPageComposer::dateLine()
{
    QFETCH(bool, ticked);
    QFETCH(int, dpi);
    QImage page = blankPage(dpi);
    PageContents dated = contents(1);
    dated.floors[0].fill(Qt::white);
    dated.withDate = ticked;
    PageComposer::paint(page, page.rect(), dated);

    const QRect ink = boundingBox(page, isDark);
    QCOMPARE(!ink.isEmpty(), ticked);
    if (!ticked)
        return;
    const double size = em(10, dpi);
    const QPointF at(600 * dpi / 1440.0, 10350 * dpi / 1440.0);
    QVERIFY(ink.left() >= at.x() - 1 && ink.left() <= at.x() + 0.15 * size);
    QVERIFY2(ink.top() >= at.y() + 0.1 * size && ink.top() <= at.y() + 0.3 * size, qPrintable(QString::number(ink.top())));
    QVERIFY(ink.bottom() <= at.y() + size * 1.2);

    // One line holding the date, " / " and the time, in bold 10 point Arial.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setBold(true);
    const QRectF expected = QFontMetricsF(font, &page).tightBoundingRect(PageComposer::dateLine(dated.printedAt));
    QVERIFY2(qAbs(ink.width() - expected.width()) <= 2, qPrintable(QString::number(ink.width())));
}

void TestPageComposer::dateText()
{
    // The system locale here is Dutch (set before the application starts).
    QCOMPARE(PageComposer::dateLine(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), QStringLiteral("05-03-2024 / 14:07"));
    QCOMPARE(PageComposer::dateLine(QDateTime(QDate(1999, 12, 31), QTime(0, 0))), QStringLiteral("31-12-1999 / 00:00"));
}

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "nl_NL.UTF-8");
    QGuiApplication app(argc, argv);
    TestPageComposer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagecomposer.moc"
