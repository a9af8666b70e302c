#include "support/DrawingRig.h"

#include "floors/OverlayArea.h"
#include "image/Primitives.h"

#include <QTest>

namespace {
// Records what the engine hands a tool, to check the shared steps around it.
class RecordingTool : public Tool {
public:
    QStringList calls;
    QImage undoAtPress;
    QRect press(ToolCanvas& canvas, QPointF at, Qt::MouseButtons buttons) override
    {
        undoAtPress = canvas.floors.PicTotaal;
        calls << QStringLiteral("press %1,%2 %3 floor %4").arg(at.x()).arg(at.y()).arg(int(buttons)).arg(canvas.floorIndex);
        return {};
    }
    QRect move(ToolCanvas&, QPointF at, Qt::MouseButtons buttons) override
    {
        calls << QStringLiteral("move %1,%2 %3").arg(at.x()).arg(at.y()).arg(int(buttons));
        return {};
    }
    QRect release(ToolCanvas& canvas, QPointF at, Qt::MouseButtons buttons) override
    {
        calls << QStringLiteral("release %1,%2 %3 invert %4").arg(at.x()).arg(at.y()).arg(int(buttons)).arg(int(canvas.floor.pen.invert));
        return {};
    }
};
} // namespace

class TestPointerEngine : public QObject {
    Q_OBJECT
private slots:
    void coordinateReadOut_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole pixels") << QPointF(120, 45) << QStringLiteral("X = 120 ,Y = 45");
        QTest::newRow("origin") << QPointF(0, 0) << QStringLiteral("X = 0 ,Y = 0");
        QTest::newRow("fractions") << QPointF(12.5, 3.25) << QStringLiteral("X = 12.5 ,Y = 3.25");
        QTest::newRow("left of and above the canvas") << QPointF(-3, -17) << QStringLiteral("X = -3 ,Y = -17");
        QTest::newRow("a hair left of the edge") << QPointF(-0.0, 7) << QStringLiteral("X = 0 ,Y = 7");
    }

    void coordinateReadOut()
    {
        QFETCH(QPointF, at);
        QFETCH(QString, text);
        PointerRig rig;
        QCOMPARE(rig.engine.coordText(), QStringLiteral("X = 0 , Y = 0"));
        rig.move(at.x(), at.y(), Qt::NoButton);
        QCOMPARE(rig.engine.coordText(), text);
    }

    void previewsFollowThePointer()
    {
        PointerRig rig;
        Overlays& o = rig.floors.floor(1).overlays;
        o.gum = QRect(0, 0, 10, 10);
        const QPoint textBefore = o.textAt;
        rig.move(100, 50, Qt::NoButton);
        QCOMPARE(o.cross, QPoint(100, 50));
        QCOMPARE(o.gum, QRect(110, 42, 10, 10));
        QCOMPARE(o.cursorImageAt, QPoint(64, 14));
        QCOMPARE(o.textAt, textBefore); // only while the text tool is chosen

        rig.state.CurrentTool = 5;
        rig.move(30, 200, Qt::RightButton);
        QCOMPARE(o.textAt, QPoint(44, 200));
        QCOMPARE(o.gum.topLeft(), QPoint(40, 192));

        // A shown outline repaints its old and new place, nothing inside them and nothing else.
        rig.state.CurrentTool = 0;
        o.gumVisible = true;
        const QRegion repaint = rig.move(33, 201, Qt::NoButton);
        QCOMPARE(repaint, outlineRegion(QRect(40, 192, 10, 10)) + outlineRegion(QRect(43, 193, 10, 10)));
        QVERIFY(rig.move(33, 201, Qt::NoButton).isEmpty());
    }

    void everyPressTakesTheSnapshotFirst_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("buttons");
        QTest::newRow("no tool") << 0 << int(Qt::LeftButton);
        QTest::newRow("line, right button") << 2 << int(Qt::RightButton);
        QTest::newRow("eraser, left") << 6 << int(Qt::LeftButton);
        QTest::newRow("fill, middle") << 8 << int(Qt::MiddleButton);
        QTest::newRow("unknown tool") << 17 << int(Qt::LeftButton);
    }

    void everyPressTakesTheSnapshotFirst()
    {
        QFETCH(int, tool);
        QFETCH(int, buttons);
        PointerRig rig;
        rig.state.CurrentTool = quint8(tool);
        QImage& image = rig.image();
        fillBox(image, QPoint(40, 40), QPoint(80, 80), qRgb(0, 0, 0));
        const QImage before = image;

        rig.press(60.0, 20.0, Qt::MouseButtons(buttons));
        QCOMPARE(rig.floors.PicTotaal, before);
        QCOMPARE(rig.state.StartX, 60.0f);
        QCOMPARE(rig.state.StartY, 20.0f);
        // An independent copy: drawing on now leaves the snapshot as it was.
        fillBox(image, QPoint(0, 0), QPoint(10, 10), qRgb(255, 0, 0));
        QCOMPARE(rig.floors.PicTotaal, before);
    }

    void registeredToolGetsItsEvents()
    {
        PointerRig rig;
        auto owned = std::make_unique<RecordingTool>();
        RecordingTool* tool = owned.get();
        rig.engine.registerTool(19, std::move(owned));
        QCOMPARE(rig.engine.tool(19), tool);
        rig.state.CurrentTool = 19;
        rig.state.CurrentFloor = 2;
        fillBox(rig.image(2), QPoint(0, 0), QPoint(5, 5), qRgb(0, 0, 0));
        const QImage before = rig.image(2);
        rig.floors.floor(2).pen.invert = true;

        rig.press(5, 6, Qt::RightButton);
        rig.move(7, 8, Qt::RightButton);
        rig.move(9, 10, Qt::LeftButton | Qt::RightButton);
        rig.move(11, 12, Qt::LeftButton);
        rig.release(13, 14, Qt::LeftButton);
        QCOMPARE(tool->calls, (QStringList{"press 5,6 2 floor 2", "move 11,12 1", "release 13,14 1 invert 0"}));
        QCOMPARE(tool->undoAtPress, before);
    }

    void lastPointOnlyWithLeftAlone_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("updates");
        QTest::newRow("left") << int(Qt::LeftButton) << true;
        QTest::newRow("none") << int(Qt::NoButton) << false;
        QTest::newRow("right") << int(Qt::RightButton) << false;
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << false;
    }

    void lastPointOnlyWithLeftAlone()
    {
        QFETCH(int, buttons);
        QFETCH(bool, updates);
        PointerRig rig;
        rig.state.LastX = 1;
        rig.state.LastY = 2;
        rig.move(30.25, 40.5, Qt::MouseButtons(buttons));
        QCOMPARE(rig.state.LastX, updates ? 30.25f : 1.0f);
        QCOMPARE(rig.state.LastY, updates ? 40 : 2); // nearest whole pixel, halves to even
    }

    void finalLine_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QList<QPoint>>("expected");

        PixelSet level;
        level.row(20, 10, 30);
        QTest::newRow("width 1") << 1 << false << 0x00FF00 << level.sorted();
        PixelSet dotted;
        for (int x = 10; x <= 30; x += 4)
            dotted.row(20, x, std::min(x + 1, 30));
        QTest::newRow("dotted at width 1") << 1 << true << 0x00FF00 << dotted.sorted();
        PixelSet wide;
        for (int y = 19; y <= 21; ++y)
            wide.row(y, 9, 31);
        QTest::newRow("width 3 always solid") << 3 << true << 0x00FF00 << wide.sorted();
        QTest::newRow("width 3") << 3 << false << 0xFF0000 << wide.sorted();
    }

    void finalLine()
    {
        QFETCH(int, width);
        QFETCH(bool, dotted);
        QFETCH(int, colour);
        QFETCH(QList<QPoint>, expected);
        PointerRig rig;
        rig.state.CurrentTool = 2;
        rig.state.ColorGreen = colour >> 8 & 0xFF; // lines stay black whatever the drawing colour
        rig.state.ColorRed = colour >> 16;
        rig.floors.floor(1).pen = Pen{width, dotted, false};
        rig.drag(QPoint(10, 20), {QPoint(15, 40), QPoint(40, 5), QPoint(30, 20)});
        QCOMPARE(inkedPixels(rig.image()), expected);
        for (QPoint p : expected)
            QCOMPARE(rig.image().pixel(p), qRgb(0, 0, 0));
        QVERIFY(!rig.floors.floor(1).pen.invert);
    }

    void rubberBandLeavesNoTrace()
    {
        PointerRig rig;
        rig.state.CurrentTool = 2;
        QImage& image = rig.image();
        fillBox(image, QPoint(50, 0), QPoint(52, 200), qRgb(0, 0, 0));
        fillBox(image, QPoint(0, 60), QPoint(200, 62), qRgb(255, 0, 0));
        const QImage walls = image;

        rig.press(20, 30);
        QCOMPARE(image, walls);
        rig.move(100, 100);
        QVERIFY(image != walls);
        QCOMPARE(image.pixel(20, 30), qRgb(0, 0, 0)); // white inverted
        QVERIFY(rig.floors.floor(1).pen.invert);
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

    void rubberBandReleasedElsewhereLeavesItsTrace()
    {
        PointerRig rig;
        rig.state.CurrentTool = 2;
        rig.press(10, 10);
        rig.move(10, 40);
        rig.release(40, 10);
        PixelSet expected;
        expected.column(10, 10, 40).row(10, 10, 40);
        QCOMPARE(inkedPixels(rig.image()), expected.sorted());
    }

    void rightButtonLine()
    {
        PointerRig rig;
        rig.state.CurrentTool = 2;
        fillBox(rig.image(), QPoint(0, 0), QPoint(3, 3), qRgb(0, 0, 255));
        const QImage before = rig.image();

        rig.press(30, 30, Qt::RightButton);
        rig.release(30, 30, Qt::RightButton);
        QCOMPARE(rig.image(), before);
        QCOMPARE(rig.floors.PicTotaal, before);

        rig.press(30, 30, Qt::RightButton);
        rig.move(60, 30, Qt::RightButton);
        QCOMPARE(rig.image(), before); // no rubber band with the right button
        rig.release(60, 30, Qt::RightButton);
        for (int x = 30; x <= 60; ++x)
            QCOMPARE(rig.image().pixel(x, 30), qRgb(0, 0, 0));
        QCOMPARE(inkedPixels(rig.image()).size(), 16 + 31);
    }

    void rectangle_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("layer");
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("drawn"); // only right and down of the start
        QTest::newRow("right and down") << QPoint(70, 50) << QRect(40, 30, 31, 21) << "Breedte = 30, Hoogte = 20" << true;
        QTest::newRow("one pixel right and down") << QPoint(41, 31) << QRect(40, 30, 2, 2) << "Breedte = 1, Hoogte = 1" << true;
        QTest::newRow("up and left stays a point") << QPoint(10, 5) << QRect(40, 30, 1, 1) << "Breedte = 0, Hoogte = 0" << false;
        QTest::newRow("right and up") << QPoint(90, 2) << QRect(40, 30, 51, 1) << "Breedte = 50, Hoogte = 0" << false;
        QTest::newRow("left and down") << QPoint(0, 130) << QRect(40, 30, 1, 101) << "Breedte = 0, Hoogte = 100" << false;
        QTest::newRow("level with the start") << QPoint(80, 30) << QRect(40, 30, 41, 1) << "Breedte = 40, Hoogte = 0" << false;
        QTest::newRow("plumb under the start") << QPoint(40, 80) << QRect(40, 30, 1, 51) << "Breedte = 0, Hoogte = 50" << false;
    }

    void rectangle()
    {
        QFETCH(QPoint, to);
        QFETCH(QRect, layer);
        QFETCH(QString, info);
        QFETCH(bool, drawn);
        PointerRig rig;
        rig.state.CurrentTool = 3;
        rig.state.ChosenOption = 1;
        const Overlays& o = rig.floors.floor(1).overlays;
        const QImage before = rig.image();

        rig.press(40, 30);
        QVERIFY(o.layerVisible);
        QCOMPARE(o.layer, QRect(40, 30, 0, 0));
        const QRegion repaint = rig.move(to.x(), to.y());
        QCOMPARE(o.layer, layer);
        QCOMPARE(rig.info.last(), info);
        QCOMPARE(repaint, outlineRegion(layer));
        QCOMPARE(rig.image(), before); // the band floats above the picture
        QVERIFY(!rig.floors.floor(1).pen.invert);

        // The release point decides, not the last move.
        rig.move(60, 60);
        rig.release(to.x(), to.y());
        PixelSet box;
        if (drawn)
            box.row(30, 40, to.x()).row(to.y(), 40, to.x()).column(40, 30, to.y()).column(to.x(), 30, to.y());
        QCOMPARE(inkedPixels(rig.image()), box.sorted());
        QVERIFY(!o.layerVisible);
    }

    void doubleRectangle()
    {
        PointerRig rig;
        rig.state.CurrentTool = 3;
        rig.state.ChosenOption = 6;
        rig.floors.floor(1).pen.width = 6;
        rig.drag(QPoint(10, 10), {QPoint(40, 30)});
        QCOMPARE(rig.floors.floor(1).pen.width, 3);

        // Across the middle row: the outer band round x = 10 and 40, the inner
        // band round x = 14 and 36, three pixels each.
        QString row;
        for (int x = 5; x <= 45; ++x)
            row += rig.image().pixel(x, 20) == qRgb(0, 0, 0) ? QLatin1Char('#') : QLatin1Char('.');
        QCOMPARE(row, QStringLiteral("....###.###...................###.###...."));
        QCOMPARE(rig.image().pixel(25, 9), qRgb(0, 0, 0));
        QCOMPARE(rig.image().pixel(25, 8), qRgb(255, 255, 255));
        QCOMPARE(rig.image().pixel(25, 14), qRgb(0, 0, 0));
        QCOMPARE(rig.image().pixel(25, 16), qRgb(255, 255, 255));
        QCOMPARE(rig.image().pixel(25, 26), qRgb(0, 0, 0));
    }

    void smallDoubleRectangleCrossesItsCorners()
    {
        PointerRig rig;
        rig.state.CurrentTool = 3;
        rig.state.ChosenOption = 6;
        rig.drag(QPoint(10, 10), {QPoint(15, 30)});
        // The inner box runs from x = 14 back to x = 11: too narrow for a hole,
        // its band fills rows 13 to 27 between and over the outer sides.
        QCOMPARE(rig.image().pixel(12, 12), qRgb(255, 255, 255));
        QCOMPARE(rig.image().pixel(12, 13), qRgb(0, 0, 0));
        QCOMPARE(rig.image().pixel(12, 20), qRgb(0, 0, 0));
        QCOMPARE(rig.image().pixel(12, 27), qRgb(0, 0, 0));
        QCOMPARE(rig.image().pixel(12, 28), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestPointerEngine)
#include "tst_pointerengine.moc"
