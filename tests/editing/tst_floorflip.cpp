#include "support/TestProgram.h"

#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"
#include "shell/MainWindow.h"

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

void flip(MainWindow& window, int k)
{
    window.menus().EditFlip[size_t(k - 1)]->trigger();
}
} // namespace

class TestFloorFlip : public QObject {
    Q_OBJECT
private slots:
    void pixelRule_data();
    void pixelRule();
    void twiceGivesBack_data();
    void twiceGivesBack();
    void bothArePointRotation();
    void widerCanvas();
    void sound_data();
    void sound();
};

void TestFloorFlip::pixelRule_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("mirror corner") << 1 << QPoint(0, 0) << QPoint(349, 0);
    QTest::newRow("mirror inside") << 1 << QPoint(10, 200) << QPoint(339, 200);
    QTest::newRow("upside down corner") << 2 << QPoint(0, 0) << QPoint(0, 454);
    QTest::newRow("upside down inside") << 2 << QPoint(120, 17) << QPoint(120, 437);
}

void TestFloorFlip::pixelRule()
{
    QFETCH(int, entry);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    TestProgram program;
    MainWindow& window = program.start();
    window.floorSwitcher().chooseFloor(3);
    Floors& floors = window.floors();
    floors.floor(3).image = lopsided(350);
    floors.floor(1).image = lopsided(350);
    const QImage undo = floors.PicTotaal;
    const QRgb colour = floors.floor(3).image.pixel(from);
    flip(window, entry);
    QCOMPARE(floors.floor(3).image.pixel(to), colour);
    QCOMPARE(floors.floor(3).image.size(), QSize(350, 455));
    QCOMPARE(floors.floor(3).image.format(), QImage::Format_RGB32);
    // Only the current floor turns, and it is no drawing step.
    QCOMPARE(floors.floor(1).image, lopsided(350));
    QCOMPARE(floors.PicTotaal, undo);
}

void TestFloorFlip::twiceGivesBack_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("Spiegelbeeld") << 1;
    QTest::newRow("Rotatie 180°") << 2;
}

void TestFloorFlip::twiceGivesBack()
{
    QFETCH(int, entry);
    TestProgram program;
    MainWindow& window = program.start();
    Floor& floor = window.floors().floor(1);
    floor.image = lopsided(350);
    flip(window, entry);
    QVERIFY(floor.image != lopsided(350));
    flip(window, entry);
    QCOMPARE(floor.image, lopsided(350));
}

void TestFloorFlip::bothArePointRotation()
{
    TestProgram program;
    MainWindow& window = program.start();
    Floor& floor = window.floors().floor(1);
    floor.image = lopsided(350);
    flip(window, 1);
    flip(window, 2);
    const QImage before = lopsided(350);
    for (int y = 0; y < 455; y += 7) {
        for (int x = 0; x < 350; x += 3)
            QCOMPARE(floor.image.pixel(x, y), before.pixel(349 - x, 454 - y));
    }
}

void TestFloorFlip::widerCanvas()
{
    TestProgram program;
    MainWindow& window = program.start();
    program.state.CanvasExtraWidth = 1500;
    window.applyCanvasWidth();
    Floor& floor = window.floors().floor(1);
    QCOMPARE(floor.image.width(), 450);
    floor.image.setPixel(0, 100, qRgb(0, 0, 0));
    flip(window, 1);
    QCOMPARE(floor.image.pixel(449, 100), qRgb(0, 0, 0));
    QCOMPARE(floor.image.pixel(0, 100), qRgb(255, 255, 255));
}

void TestFloorFlip::sound_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestFloorFlip::sound()
{
    QFETCH(bool, soundOn);
    TestProgram program;
    MainWindow& window = program.start();
    program.state.SoundOn = soundOn;
    flip(window, 1);
    flip(window, 2);
    const QStringList expected = soundOn ? QStringList{program.path("sounds/zoef.wav"), program.path("sounds/zoef.wav")}
                                         : QStringList{};
    QCOMPARE(program.sound.played, expected);
}

QTEST_MAIN(TestFloorFlip)
#include "tst_floorflip.moc"
