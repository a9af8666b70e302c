#include "support/DrawingRig.h"

#include "image/Primitives.h"

#include <QTest>

namespace {
QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The smallest rectangle holding every pixel that differs between a and b.
QRect differences(const QImage& a, const QImage& b)
{
    QRect rect;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                rect |= QRect(x, y, 1, 1);
        }
    }
    return rect;
}
} // namespace

class TestPrimitives : public QObject {
    Q_OBJECT
private slots:
    void lineShapes_data();
    void lineShapes();
    void invertTouchesEachPixelOnce_data();
    void invertTouchesEachPixelOnce();
    void boxShapes_data();
    void boxShapes();
    void fillBoxClips_data();
    void fillBoxClips();
    void pointShapes_data();
    void pointShapes();
};

void TestPrimitives::lineShapes_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dotted");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("level, both ends drawn") << QPoint(1, 2) << QPoint(8, 2) << 1 << false
        << QStringList{"..........", "..........", ".########.", "..........", ".........."};
    QTest::newRow("level, right to left") << QPoint(8, 2) << QPoint(1, 2) << 1 << false
        << QStringList{"..........", "..........", ".########.", "..........", ".........."};
    QTest::newRow("plumb") << QPoint(4, 0) << QPoint(4, 3) << 1 << false
        << QStringList{"....#.....", "....#.....", "....#.....", "....#.....", ".........."};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(4, 4) << 1 << false
        << QStringList{"#.........", ".#........", "..#.......", "...#......", "....#....."};
    QTest::newRow("shallow slope, one pixel a column") << QPoint(0, 0) << QPoint(9, 3) << 1 << false
        << QStringList{"##........", "..###.....", ".....###..", "........##", ".........."};
    QTest::newRow("zero length draws nothing") << QPoint(3, 2) << QPoint(3, 2) << 1 << false
        << QStringList{"..........", "..........", "..........", "..........", ".........."};
    QTest::newRow("zero length draws nothing at width 3") << QPoint(3, 2) << QPoint(3, 2) << 3 << false
        << QStringList{"..........", "..........", "..........", "..........", ".........."};
    QTest::newRow("dotted, two on two off") << QPoint(0, 1) << QPoint(9, 1) << 1 << true
        << QStringList{"..........", "##..##..##", "..........", "..........", ".........."};
    QTest::newRow("dotted shows only at width 1") << QPoint(2, 2) << QPoint(7, 2) << 3 << true
        << QStringList{"..........", ".########.", ".########.", ".########.", ".........."};
    QTest::newRow("width 2 grows right and down") << QPoint(2, 1) << QPoint(6, 1) << 2 << false
        << QStringList{"..........", "..######..", "..######..", "..........", ".........."};
    QTest::newRow("width 3 plumb") << QPoint(4, 1) << QPoint(4, 3) << 3 << false
        << QStringList{"...###....", "...###....", "...###....", "...###....", "...###...."};
    QTest::newRow("width 5, round ends") << QPoint(3, 2) << QPoint(6, 2) << 5 << false
        << QStringList{"..######..", ".########.", ".########.", ".########.", "..######.."};
    QTest::newRow("clipped at the edges") << QPoint(-3, 4) << QPoint(20, 4) << 1 << false
        << QStringList{"..........", "..........", "..........", "..........", "##########"};
}

void TestPrimitives::lineShapes()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, width);
    QFETCH(bool, dotted);
    QFETCH(QStringList, expected);

    QImage image = blank(10, 5);
    const QImage before = image;
    const QRect changed = drawLine(image, from, to, qRgb(0, 0, 0), Pen{width, dotted, false});
    QCOMPARE(pixelArtOf(image), expected);
    QCOMPARE(changed, differences(before, image));
}

void TestPrimitives::invertTouchesEachPixelOnce_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dotted");

    for (int width = 1; width <= 6; ++width) {
        QTest::addRow("steep, width %d", width) << QPoint(5, 2) << QPoint(9, 17) << width << false;
        QTest::addRow("shallow, width %d", width) << QPoint(18, 3) << QPoint(2, 9) << width << false;
        QTest::addRow("level, width %d", width) << QPoint(3, 10) << QPoint(16, 10) << width << false;
    }
    QTest::newRow("dotted diagonal") << QPoint(1, 1) << QPoint(17, 17) << 1 << true;
}

// The rubber band of the line tool relies on this: inverting every covered
// pixel exactly once, so a second draw restores the picture.
void TestPrimitives::invertTouchesEachPixelOnce()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, width);
    QFETCH(bool, dotted);

    QImage shape = blank(20, 20);
    drawLine(shape, from, to, qRgb(0, 0, 0), Pen{width, dotted, false});

    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(QColor(64, 128, 192));
    const QImage original = image;
    const Pen invert{width, dotted, true};
    const QRect changed = drawLine(image, from, to, qRgb(255, 0, 0), invert);
    int covered = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inShape = shape.pixel(x, y) == qRgb(0, 0, 0);
            covered += inShape;
            QCOMPARE(image.pixel(x, y), inShape ? qRgb(191, 127, 63) : qRgb(64, 128, 192));
        }
    }
    QVERIFY(covered > 0);
    QCOMPARE(changed, differences(original, image));

    drawLine(image, from, to, qRgb(255, 0, 0), invert);
    QCOMPARE(image, original);
}

void TestPrimitives::boxShapes_data()
{
    QTest::addColumn<QPoint>("corner1");
    QTest::addColumn<QPoint>("corner2");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dotted");
    QTest::addColumn<QStringList>("expected");

    const QString empty = QStringLiteral("..........");
    QTest::newRow("both corners inclusive") << QPoint(1, 1) << QPoint(6, 4) << 1 << false
        << QStringList{empty, ".######...", ".#....#...", ".#....#...", ".######...", empty, empty};
    QTest::newRow("corners in any order") << QPoint(6, 1) << QPoint(1, 4) << 1 << false
        << QStringList{empty, ".######...", ".#....#...", ".#....#...", ".######...", empty, empty};
    QTest::newRow("one column") << QPoint(3, 1) << QPoint(3, 4) << 1 << false
        << QStringList{empty, "...#......", "...#......", "...#......", "...#......", empty, empty};
    QTest::newRow("width 3 grows to both sides, square corners") << QPoint(2, 1) << QPoint(7, 5) << 3 << false
        << QStringList{".########.", ".########.", ".########.", ".###..###.", ".########.", ".########.", ".########."};
    QTest::newRow("width 3 on a short box leaves no hole") << QPoint(2, 1) << QPoint(7, 4) << 3 << false
        << QStringList{".########.", ".########.", ".########.", ".########.", ".########.", ".########.", empty};
    QTest::newRow("dotted runs on round the corners") << QPoint(0, 0) << QPoint(4, 3) << 1 << true
        << QStringList{"##..#.....", "#...#.....", "#.........", "..##......", empty, empty, empty};
    QTest::newRow("dotted shows only at width 1") << QPoint(2, 1) << QPoint(7, 5) << 3 << true
        << QStringList{".########.", ".########.", ".########.", ".###..###.", ".########.", ".########.", ".########."};
}

void TestPrimitives::boxShapes()
{
    QFETCH(QPoint, corner1);
    QFETCH(QPoint, corner2);
    QFETCH(int, width);
    QFETCH(bool, dotted);
    QFETCH(QStringList, expected);

    QImage image = blank(10, 7);
    const QImage before = image;
    const QRect changed = drawBox(image, corner1, corner2, qRgb(0, 0, 0), Pen{width, dotted, false});
    QCOMPARE(pixelArtOf(image), expected);
    QCOMPARE(changed, differences(before, image));
}

void TestPrimitives::fillBoxClips_data()
{
    QTest::addColumn<QPoint>("corner1");
    QTest::addColumn<QPoint>("corner2");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("inside") << QPoint(1, 1) << QPoint(3, 2)
        << QStringList{"......", ".rrr..", ".rrr..", "......"};
    QTest::newRow("corners reversed") << QPoint(3, 2) << QPoint(1, 1)
        << QStringList{"......", ".rrr..", ".rrr..", "......"};
    QTest::newRow("over the bottom right edge") << QPoint(4, 2) << QPoint(40, 40)
        << QStringList{"......", "......", "....rr", "....rr"};
    QTest::newRow("over the top left edge") << QPoint(-5, -5) << QPoint(0, 1)
        << QStringList{"r.....", "r.....", "......", "......"};
    QTest::newRow("wholly outside") << QPoint(7, 0) << QPoint(9, 3)
        << QStringList{"......", "......", "......", "......"};
}

void TestPrimitives::fillBoxClips()
{
    QFETCH(QPoint, corner1);
    QFETCH(QPoint, corner2);
    QFETCH(QStringList, expected);

    QImage image = blank(6, 4);
    const QImage before = image;
    const QRect changed = fillBox(image, corner1, corner2, qRgb(255, 0, 0));
    QCOMPARE(pixelArtOf(image), expected);
    QCOMPARE(changed, differences(before, image));
}

void TestPrimitives::pointShapes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one pixel") << 1 << false << QStringList{".......", ".......", ".......", "...#...", ".......", ".......", "......."};
    QTest::newRow("width 3") << 3 << false << QStringList{".......", ".......", "..###..", "..###..", "..###..", ".......", "......."};
    QTest::newRow("width 5 is round") << 5 << false << QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."};
    QTest::newRow("inverted") << 3 << true << QStringList{".......", ".......", "..###..", "..###..", "..###..", ".......", "......."};
}

void TestPrimitives::pointShapes()
{
    QFETCH(int, width);
    QFETCH(bool, invert);
    QFETCH(QStringList, expected);

    QImage image = blank(7, 7);
    drawPoint(image, QPoint(3, 3), qRgb(0, 0, 0), Pen{width, false, invert});
    QCOMPARE(pixelArtOf(image), expected);
}

QTEST_GUILESS_MAIN(TestPrimitives)
#include "tst_primitives.moc"
