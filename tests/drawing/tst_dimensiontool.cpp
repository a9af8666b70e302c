#include "support/DrawingRig.h"

#include "image/Primitives.h"

#include <QTest>

namespace {
// Ticks run across the line from 4 before to 5 after it; heads are five
// segments, i = 0..4, each reaching i pixels to both sides.
PixelSet levelDimension(int style, QPoint start, int endX)
{
    const int y = start.y();
    PixelSet set;
    set.row(y, start.x(), endX);
    if (style != 2) {
        set.column(start.x(), y - 4, y + 5);
        set.column(endX, y - 4, y + 5);
    }
    if (style != 1) {
        for (int i = 0; i <= 4; ++i) {
            set.column(start.x() + i, y - i, y + i);
            set.column(endX - i, y - i, y + i);
        }
    }
    return set;
}

PixelSet plumbDimension(int style, QPoint start, int endY)
{
    const int x = start.x();
    PixelSet set;
    set.column(x, start.y(), endY);
    if (style != 2) {
        set.row(start.y(), x - 4, x + 5);
        set.row(endY, x - 4, x + 5);
    }
    if (style != 1) {
        for (int i = 0; i <= 4; ++i) {
            set.row(start.y() + i, x - i, x + i);
            set.row(endY - i, x - i, x + i);
        }
    }
    return set;
}
} // namespace

class TestDimensionTool : public QObject {
    Q_OBJECT
private slots:
    void dimensions_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QList<QPoint>>("expected");

        const QPoint s(100, 100);
        for (int style = 1; style <= 3; ++style) {
            QTest::addRow("style %d, level", style) << style << s << QPoint(160, 100)
                                                    << levelDimension(style, s, 160).sorted();
            QTest::addRow("style %d, plumb", style) << style << s << QPoint(100, 190)
                                                    << plumbDimension(style, s, 190).sorted();
            QTest::addRow("style %d, right to left", style) << style << s << QPoint(40, 100)
                                                            << levelDimension(style, s, 40).sorted();
            QTest::addRow("style %d, bottom to top", style) << style << s << QPoint(100, 20)
                                                            << plumbDimension(style, s, 20).sorted();
        }
        QTest::newRow("5 below level snaps") << 1 << s << QPoint(160, 105) << levelDimension(1, s, 160).sorted();
        QTest::newRow("5 above level snaps") << 3 << s << QPoint(160, 95) << levelDimension(3, s, 160).sorted();
        QTest::newRow("6 off level is refused") << 1 << s << QPoint(160, 106) << QList<QPoint>();
        QTest::newRow("5 off plumb snaps") << 2 << s << QPoint(95, 180) << plumbDimension(2, s, 180).sorted();
        QTest::newRow("6 off plumb is refused") << 2 << s << QPoint(106, 180) << QList<QPoint>();
        QTest::newRow("within 5 both ways counts as level") << 1 << s << QPoint(103, 104)
                                                             << levelDimension(1, s, 103).sorted();
        QTest::newRow("slanted is refused") << 3 << s << QPoint(180, 160) << QList<QPoint>();
    }

    void dimensions()
    {
        QFETCH(int, style);
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(QList<QPoint>, expected);
        PointerRig rig;
        rig.state.CurrentTool = 4;
        rig.state.ArrowStyle = quint8(style);
        const QPoint halfway = (start + end) / 2 + QPoint(7, -3);
        rig.drag(start, {halfway, end});
        QCOMPARE(inkedPixels(rig.image()), expected);
        for (QPoint p : expected)
            QCOMPARE(rig.image().pixel(p), qRgb(0, 0, 0));
    }

    void whiteLineFollowsTheRawDrag()
    {
        PointerRig rig;
        rig.state.CurrentTool = 4;
        QImage& image = rig.image();
        fillBox(image, QPoint(140, 0), QPoint(140, 300), qRgb(0, 0, 0));
        rig.drag(QPoint(100, 100), {QPoint(180, 104)});

        // The raw drag crosses the wall one row lower than the snapped dimension.
        for (int y = 0; y <= 300; ++y)
            QCOMPARE(image.pixel(140, y), y == 102 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }

    void slantedDragOnlyWhitens()
    {
        PointerRig rig;
        rig.state.CurrentTool = 4;
        QImage& image = rig.image();
        image.fill(QColor(0, 0, 255));
        rig.drag(QPoint(10, 10), {QPoint(50, 60), QPoint(40, 30)});
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(QColor(0, 0, 255));
        drawLine(expected, QPoint(10, 10), QPoint(40, 30), qRgb(255, 255, 255), Pen{});
        QCOMPARE(image, expected);
    }
};

QTEST_MAIN(TestDimensionTool)
#include "tst_dimensiontool.moc"
