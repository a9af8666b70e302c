#include "support/DrawingRig.h"

#include "floors/OverlayArea.h"
#include "image/Primitives.h"

#include <QTest>

class TestPointerEngine : public QObject {
    Q_OBJECT
private slots:
    void moveReadsOut_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("last"); // follows the left button alone, from a left move to 1,2
        QTest::newRow("left, whole pixels") << QPointF(120, 45) << int(Qt::LeftButton) << "X = 120 ,Y = 45" << QPointF(120, 45);
        // The last point's y is the nearest whole pixel, halves to even.
        QTest::newRow("left, fractions") << QPointF(30.25, 40.5) << int(Qt::LeftButton) << "X = 30.25 ,Y = 40.5" << QPointF(30.25, 40);
        QTest::newRow("none, left of and above the canvas") << QPointF(-3, -17) << int(Qt::NoButton) << "X = -3 ,Y = -17" << QPointF(1, 2);
        QTest::newRow("right, a hair left of the edge") << QPointF(-0.0, 7) << int(Qt::RightButton) << "X = 0 ,Y = 7" << QPointF(1, 2);
        QTest::newRow("left and right") << QPointF(12.5, 3.25) << int(Qt::LeftButton | Qt::RightButton) << "X = 12.5 ,Y = 3.25" << QPointF(1, 2);
    }

    void moveReadsOut()
    {
        QFETCH(QPointF, at);
        QFETCH(int, buttons);
        PointerRig rig;
        QCOMPARE(rig.engine.coordText(), QStringLiteral("X = 0 , Y = 0"));
        rig.move(1, 2);
        rig.move(at.x(), at.y(), Qt::MouseButtons(buttons));
        QTEST(rig.engine.coordText(), "text");
        QTEST(rig.engine.lastPoint(), "last");
    }

    void previewsFollowThePointer()
    {
        PointerRig rig;
        Overlays& o = rig.plan.floor(1).overlays;
        o.gum = QRect(0, 0, 10, 10);
        const QPoint textBefore = o.textAt;
        rig.move(100, 50, Qt::NoButton);
        QCOMPARE(o.cross, QPoint(100, 50));
        QCOMPARE(o.gum, QRect(110, 42, 10, 10));
        QCOMPARE(o.cursorImageAt, QPoint(64, 14));
        QCOMPARE(o.textAt, textBefore); // only while the text tool is chosen

        rig.plan.toolChoice.current = ToolKind::Text;
        rig.move(30, 200, Qt::RightButton);
        QCOMPARE(o.textAt, QPoint(44, 200));
        QCOMPARE(o.gum.topLeft(), QPoint(40, 192));

        // A shown outline repaints its old and new place, nothing inside them and nothing else.
        rig.plan.toolChoice.current = ToolKind::None;
        o.gumVisible = true;
        const QRegion repaint = rig.move(33, 201, Qt::NoButton);
        QCOMPARE(repaint, outlineRegion(QRect(40, 192, 10, 10)) + outlineRegion(QRect(43, 193, 10, 10)));
        QVERIFY(rig.move(33, 201, Qt::NoButton).isEmpty());
    }

    void everyPressOpensAStep_data()
    {
        QTest::addColumn<ToolKind>("tool");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("changed");
        // Each drawing tool's gesture rows check it for that tool.
        QTest::newRow("no tool") << ToolKind::None << int(Qt::LeftButton) << true;
        QTest::newRow("unregistered tool, middle") << ToolKind::CavityWallTee << int(Qt::MiddleButton) << true;
        QTest::newRow("a press that changes nothing is no step") << ToolKind::None << int(Qt::RightButton) << false;
    }

    // Whatever the floor's pixels do from a press to its release is one step.
    void everyPressOpensAStep()
    {
        QFETCH(ToolKind, tool);
        QFETCH(int, buttons);
        QFETCH(bool, changed);
        PointerRig rig;
        rig.plan.toolChoice.current = tool;
        QImage& image = rig.image();
        fillBox(image, QPoint(40, 40), QPoint(80, 80), qRgb(0, 0, 0));
        const QImage before = image;

        rig.press(60.0, 20.0, Qt::MouseButtons(buttons));
        QCOMPARE(rig.engine.pressPoint(), QPointF(60, 20));
        if (changed)
            fillBox(image, QPoint(0, 0), QPoint(10, 10), qRgb(255, 0, 0));
        rig.release(60.0, 20.0, Qt::MouseButtons(buttons));
        QCOMPARE(bool(rig.plan.history().undo(1)), changed);
        QCOMPARE(image, before);
    }

    void rubberBandLeavesNoTrace()
    {
        PointerRig rig;
        rig.plan.toolChoice.current = ToolKind::Line;
        QImage& image = rig.image();
        fillBox(image, QPoint(50, 0), QPoint(52, 200), qRgb(0, 0, 0));
        fillBox(image, QPoint(0, 60), QPoint(200, 62), qRgb(255, 0, 0));
        const QImage walls = image;

        rig.press(20, 30);
        QCOMPARE(image, walls);
        rig.move(100, 100);
        QVERIFY(image != walls);
        QCOMPARE(image.pixel(20, 30), qRgb(0, 0, 0)); // white inverted
        QVERIFY(rig.plan.floor(1).pen.invert);
        rig.move(60, 150);
        rig.move(90, 10);
        rig.move(20, 30); // back on the start point: the band is a point and draws nothing
        QCOMPARE(image, walls);
        rig.move(80, 80);
        rig.release(80, 80);

        QImage expected = walls;
        drawLine(expected, QPoint(20, 30), QPoint(80, 80), qRgb(0, 0, 0), Pen{});
        QCOMPARE(image, expected);
    }

    void rectangle_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("layer");
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("drawn"); // only right and down of the start
        QTest::newRow("right and down") << QPoint(70, 50) << QRect(40, 30, 31, 21) << "Breedte = 30, Hoogte = 20" << true;
        QTest::newRow("up and left stays a point") << QPoint(10, 5) << QRect(40, 30, 1, 1) << "Breedte = 0, Hoogte = 0" << false;
        QTest::newRow("right and up") << QPoint(90, 2) << QRect(40, 30, 51, 1) << "Breedte = 50, Hoogte = 0" << false;
        QTest::newRow("left and down") << QPoint(0, 130) << QRect(40, 30, 1, 101) << "Breedte = 0, Hoogte = 100" << false;
        QTest::newRow("plumb under the start") << QPoint(40, 80) << QRect(40, 30, 1, 51) << "Breedte = 0, Hoogte = 50" << false;
    }

    void rectangle()
    {
        QFETCH(QPoint, to);
        QFETCH(QRect, layer);
        QFETCH(QString, info);
        QFETCH(bool, drawn);
        PointerRig rig;
        rig.plan.toolChoice.current = ToolKind::Rectangle;
        rig.plan.toolChoice.chosenOption = 1;
        const Overlays& o = rig.plan.floor(1).overlays;
        const QImage before = rig.image();

        rig.press(40, 30);
        QVERIFY(o.layerVisible);
        QCOMPARE(o.layer, QRect(40, 30, 0, 0));
        const QRegion repaint = rig.move(to.x(), to.y());
        QCOMPARE(o.layer, layer);
        QCOMPARE(rig.info.last(), info);
        QCOMPARE(repaint, outlineRegion(layer));
        QCOMPARE(rig.image(), before); // the band floats above the picture
        QVERIFY(!rig.plan.floor(1).pen.invert);

        // The release point decides, not the last move.
        rig.move(60, 60);
        rig.release(to.x(), to.y());
        PixelSet box;
        if (drawn)
            box.row(30, 40, to.x()).row(to.y(), 40, to.x()).column(40, 30, to.y()).column(to.x(), 30, to.y());
        QCOMPARE(inkedPixels(rig.image()), box.sorted());
        QVERIFY(!o.layerVisible);
    }

};

QTEST_MAIN(TestPointerEngine)
#include "tst_pointerengine.moc"
