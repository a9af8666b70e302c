#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"

#include <QAction>
#include <QtTest>

namespace {
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

class TestFloorFlip : public QObject {
    Q_OBJECT
private slots:
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
        program.state.SoundOn = soundOn;
        program.state.CanvasExtraWidth = extraTwips;
        window.applyCanvasWidth();
        window.floorSwitcher().chooseFloor(3);
        Floors& floors = window.floors();
        const int width = floors.canvasWidth();
        QCOMPARE(width, 350 + extraTwips / 15);
        floors.floor(3).image = lopsided(width);
        floors.floor(1).image = lopsided(width);
        const QImage undo = floors.PicTotaal;
        for (int entry : entries)
            window.menus().EditFlip[size_t(entry - 1)]->trigger();

        QCOMPARE(floors.floor(3).image, lopsided(width).mirrored(leftRight, upsideDown));
        // Only the current floor turns, and it is no drawing step.
        QCOMPARE(floors.floor(1).image, lopsided(width));
        QCOMPARE(floors.PicTotaal, undo);
        QCOMPARE(program.sound.played, soundOn ? QStringList(entries.size(), program.path("sounds/zoef.wav")) : QStringList());
    }
};

QTEST_MAIN(TestFloorFlip)
#include "tst_floorflip.moc"
