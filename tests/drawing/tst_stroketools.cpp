#include "support/DrawingRig.h"

#include "drawing/tools/SprayTool.h"
#include "image/Primitives.h"

#include <QTest>

#include <deque>

class TestStrokeTools : public QObject {
    Q_OBJECT
private slots:
    void freehand_data()
    {
        // Moves after a press at 10,10, each with the left button unless both are held (b).
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QList<QPoint>>("expected");
        QTest::newRow("click without movement") << QStringList{} << QList<QPoint>{};
        QTest::newRow("segments chain") << QStringList{"20,10", "20,25", "20,25"}
                                        << PixelSet().row(10, 10, 20).column(20, 10, 25).sorted();
        QTest::newRow("both buttons jump") << QStringList{"20,10", "60,40b", "20,50"}
                                           << PixelSet().row(10, 10, 20).column(20, 10, 50).sorted();
    }

    void freehand()
    {
        QFETCH(QStringList, moves);
        QFETCH(QList<QPoint>, expected);
        PointerRig rig;
        rig.state.CurrentTool = 1;
        rig.state.ColorRed = 200;
        fillBox(rig.image(), QPoint(300, 0), QPoint(302, 2), qRgb(0, 0, 255));
        const QImage before = rig.image();
        rig.floors.PicTotaal.fill(Qt::black);
        rig.press(10, 10);
        QPoint last(10, 10);
        for (const QString& move : moves) {
            last = QPoint(move.section(',', 0, 0).toInt(), move.section(',', 1).remove('b').toInt());
            rig.move(last.x(), last.y(), move.endsWith('b') ? Qt::LeftButton | Qt::RightButton : Qt::LeftButton);
        }
        rig.release(last.x(), last.y());
        QCOMPARE(rig.floors.PicTotaal, before); // even a click replaces the snapshot
        QList<QPoint> drawn = inkedPixels(rig.image());
        for (int y = 0; y <= 2; ++y)
            for (int x = 300; x <= 302; ++x)
                drawn.removeOne(QPoint(x, y));
        QCOMPARE(drawn, expected);
        for (QPoint p : expected)
            QCOMPARE(rig.image().pixel(p), qRgb(200, 0, 0));
        QCOMPARE(QPointF(rig.state.StartX, rig.state.StartY), QPointF(last));
    }

    void sprayDotOnTheDiagonal_data()
    {
        QTest::addColumn<double>("random");
        QTest::addColumn<QPoint>("dot");
        QTest::newRow("lowest") << 0.0 << QPoint(96, 46);
        QTest::newRow("just under a step") << 0.1999 << QPoint(96, 46);
        QTest::newRow("middle") << 0.5 << QPoint(98, 48);
        QTest::newRow("highest, on the pointer") << 0.9999 << QPoint(100, 50);
    }

    void sprayDotOnTheDiagonal()
    {
        QFETCH(double, random);
        QFETCH(QPoint, dot);
        PointerRig rig;
        rig.engine.registerTool(7, std::make_unique<SprayTool>([random] { return random; }));
        rig.state.CurrentTool = 7;
        rig.state.ColorBlue = 255;
        rig.press(100, 50);
        QVERIFY(inkedPixels(rig.image()).isEmpty()); // a click sprays nothing
        rig.move(100, 50);
        QCOMPARE(inkedPixels(rig.image()), QList<QPoint>{dot});
        QCOMPARE(rig.image().pixel(dot), qRgb(0, 0, 255));
    }

    void sprayFromTheClockStaysUpLeft()
    {
        PointerRig rig;
        rig.state.CurrentTool = 7;
        rig.press(100, 50);
        for (int i = 0; i < 40; ++i)
            rig.move(100, 50);
        const QList<QPoint> dots = inkedPixels(rig.image());
        QVERIFY(!dots.isEmpty());
        for (QPoint p : dots) {
            QCOMPARE(p.x() - 100, p.y() - 50);
            QVERIFY(p.x() >= 96 && p.x() <= 100);
        }
    }

    void eraserSquare_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("square");
        QTest::newRow("size 10, left") << 10 << int(Qt::LeftButton) << QPoint(50, 50) << QRect(60, 42, 10, 10);
        QTest::newRow("size 5, right") << 5 << int(Qt::RightButton) << QPoint(50, 50) << QRect(60, 42, 5, 5);
        QTest::newRow("size 30") << 30 << int(Qt::LeftButton) << QPoint(0, 8) << QRect(10, 0, 30, 30);
        QTest::newRow("clipped at the right edge") << 30 << int(Qt::LeftButton) << QPoint(330, 100) << QRect(340, 92, 10, 30);
        QTest::newRow("clipped at the top") << 10 << int(Qt::LeftButton) << QPoint(50, 3) << QRect(60, 0, 10, 5);
    }

    void eraserSquare()
    {
        QFETCH(int, size);
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(QRect, square);
        PointerRig rig;
        rig.state.CurrentTool = 6;
        rig.state.EraserSize = size;
        rig.image().fill(Qt::black);
        const QRegion repaint = rig.press(at.x(), at.y(), Qt::MouseButtons(button));
        rig.release(at.x(), at.y(), Qt::MouseButtons(button));
        QCOMPARE(repaint, QRegion(square));
        for (int y = 0; y < rig.image().height(); ++y) {
            for (int x = 0; x < rig.image().width(); ++x)
                QCOMPARE(rig.image().pixel(x, y), square.contains(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }

    void eraserMovesLeaveGaps()
    {
        PointerRig rig;
        rig.state.CurrentTool = 6;
        rig.image().fill(Qt::black);
        rig.press(50, 50);
        rig.move(100, 50);
        rig.move(100, 90, Qt::RightButton);
        rig.release(100, 90);
        int white = 0;
        for (int y = 0; y < rig.image().height(); ++y) {
            for (int x = 0; x < rig.image().width(); ++x) {
                const bool erased = QRect(60, 42, 10, 10).contains(x, y) || QRect(110, 42, 10, 10).contains(x, y);
                QCOMPARE(rig.image().pixel(x, y) == qRgb(255, 255, 255), erased);
                white += erased;
            }
        }
        QCOMPARE(white, 200);
    }

    void fillWithTheDrawingColour_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("filled");
        QTest::newRow("inside the room, left") << int(Qt::LeftButton) << QPoint(30, 30) << 19 * 19;
        QTest::newRow("inside the room, right") << int(Qt::RightButton) << QPoint(25, 35) << 19 * 19;
        QTest::newRow("on the wall") << int(Qt::LeftButton) << QPoint(20, 30) << 0;
        QTest::newRow("outside, up to the canvas edges") << int(Qt::LeftButton) << QPoint(0, 454) << 350 * 455 - 21 * 21;
    }

    void fillWithTheDrawingColour()
    {
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(int, filled);
        PointerRig rig;
        rig.state.CurrentTool = 8;
        rig.state.ColorGreen = 160;
        drawBox(rig.image(), QPoint(20, 20), QPoint(40, 40), qRgb(0, 0, 0), Pen{});
        rig.press(at.x(), at.y(), Qt::MouseButtons(button));
        rig.move(200, 200);
        rig.release(200, 200, Qt::MouseButtons(button));
        int green = 0;
        for (int y = 0; y < rig.image().height(); ++y) {
            for (int x = 0; x < rig.image().width(); ++x)
                green += rig.image().pixel(x, y) == qRgb(0, 160, 0);
        }
        QCOMPARE(green, filled);
    }
};

QTEST_MAIN(TestStrokeTools)
#include "tst_stroketools.moc"
