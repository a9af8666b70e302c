#include "Named.h"
#include "support/DrawingRig.h"
#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "floors/FloorSwitcher.h"
#include "image/Primitives.h"

#include <QAction>
#include <QtTest>

namespace {
QImage whiteFloor()
{
    QImage image(350, 455, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void drawRoom(PointerRig& rig, QPoint corner)
{
    rig.plan.toolChoice.current = ToolKind::Rectangle;
    rig.plan.toolChoice.chosenOption = 1;
    rig.drag(corner, {corner + QPoint(60, 40)});
}

QImage lopsided(int width)
{
    QImage image(width, 455, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 251));
    }
    return image;
}
} // namespace

class TestFloorEdits : public QObject {
    Q_OBJECT
private slots:
    void copyAndPasteAcrossFloors()
    {
        PointerRig rig;
        rig.plan.paste(1); // before any copy
        QCOMPARE(rig.image(), whiteFloor());
        drawRoom(rig, QPoint(10, 10));
        const QImage ground = rig.image(1);
        rig.plan.copy(1);
        drawRoom(rig, QPoint(150, 150)); // later drawing stays out of the buffer
        const QImage groundNow = rig.image(1);
        rig.plan.setCurrentFloor(2);
        rig.plan.paste(2);
        QCOMPARE(rig.image(2), ground);
        QCOMPARE(rig.image(1), groundNow);
        drawRoom(rig, QPoint(50, 200)); // drawing on the pasted floor leaves the buffer too
        rig.plan.paste(3);
        QCOMPARE(rig.image(3), ground);
        rig.plan.paste(1);
        QCOMPARE(rig.image(1), ground);
        // Each Plakken is a step of its own.
        rig.plan.history().undo(2);
        QCOMPARE(rig.image(1), groundNow);
    }

    void flips_data()
    {
        // The menu entries in the order given (1 Spiegelbeeld, 2 Rotatie 180°) and
        // the picture they must leave: the drawing mirrored left-right, upside down.
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<int>("extraTwips");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("leftRight");
        QTest::addColumn<bool>("upsideDown");
        QTest::newRow("mirror") << QList<int>{1} << 0 << true << true << false;
        QTest::newRow("upside down, sound off") << QList<int>{2} << 0 << false << false << true;
        QTest::newRow("both turn it round") << QList<int>{1, 2} << 0 << true << true << true;
        QTest::newRow("mirror twice gives back") << QList<int>{1, 1} << 0 << true << false << false;
        QTest::newRow("upside down twice gives back") << QList<int>{2, 2} << 0 << false << false << false;
        QTest::newRow("mirror at 450 px") << QList<int>{1} << 1500 << true << true << false;
    }

    void flips()
    {
        QFETCH(QList<int>, entries);
        QFETCH(int, extraTwips);
        QFETCH(bool, soundOn);
        QFETCH(bool, leftRight);
        QFETCH(bool, upsideDown);
        TestProgram program;
        MainWindow& window = program.start();
        program.settings.soundOn = soundOn;
        program.settings.canvasExtraWidth = extraTwips;
        window.applyCanvasWidth();
        window.floorSwitcher().chooseFloor(3);
        Plan& plan = window.plan();
        const int width = plan.canvasWidth();
        QCOMPARE(width, 350 + extraTwips / 15);
        plan.floor(3).image = lopsided(width);
        plan.floor(1).image = lopsided(width);
        for (int entry : entries)
            named<QAction>(window, QStringLiteral("flipAction"), entry)->trigger();

        QCOMPARE(plan.floor(3).image, lopsided(width).mirrored(leftRight, upsideDown));
        // Only the current floor turns, each time one step for Undo.
        QCOMPARE(plan.floor(1).image, lopsided(width));
        for (qsizetype i = 0; i < entries.size(); ++i)
            plan.history().undo(1);
        QCOMPARE(plan.floor(3).image, lopsided(width));
        QCOMPARE(program.sound.played, soundOn ? QStringList(entries.size(), program.path("sounds/zoef.wav")) : QStringList());
    }
};

QTEST_MAIN(TestFloorEdits)
#include "tst_flooredits.moc"
