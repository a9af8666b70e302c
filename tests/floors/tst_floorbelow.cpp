#include "TestProgram.h"

#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorSwitcher.h"

#include <QAction>
#include <QtTest>

namespace {
QRgb shown(CanvasWidget* canvas, int x, int y)
{
    return canvas->grab().toImage().pixel(x, y) | 0xff000000u;
}
} // namespace

class TestFloorBelow : public QObject {
    Q_OBJECT
private slots:
    void guideUnderWhitePixels();
    void offByDefaultAndNoneBelowGround();
};

void TestFloorBelow::guideUnderWhitePixels()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    Floors& floors = window.floors();
    floors.floor(1).image.setPixel(10, 10, qRgb(0, 0, 0));
    floors.floor(1).image.setPixel(20, 20, qRgb(0, 0, 0));
    floors.floor(2).image.setPixel(20, 20, qRgb(255, 0, 0));
    floors.floor(2).image.setPixel(30, 30, qRgb(0, 0, 255));
    floors.floor(2).image.setPixel(40, 40, qRgb(0, 0, 0));
    const QImage before = floors.floor(2).image;

    window.menus().ShowVerdiepingEronder->trigger();
    window.floorSwitcher().chooseFloor(2);
    CanvasWidget* canvas = window.Pic(2);
    QCOMPARE(shown(canvas, 10, 10), qRgb(205, 205, 205));
    // The floor's own pixels always win over the guide.
    QCOMPARE(shown(canvas, 20, 20), qRgb(255, 0, 0));
    QCOMPARE(shown(canvas, 30, 30), qRgb(0, 0, 255));
    QCOMPARE(shown(canvas, 5, 5), qRgb(255, 255, 255));
    // The guide never enters the picture that undo, saving and printing read.
    QCOMPARE(floors.floor(2).image, before);

    // The second floor shows the first floor, not the ground floor.
    window.floorSwitcher().chooseFloor(3);
    QCOMPARE(shown(window.Pic(3), 10, 10), qRgb(255, 255, 255));
    QCOMPARE(shown(window.Pic(3), 40, 40), qRgb(205, 205, 205));

    window.menus().ShowVerdiepingEronder->trigger();
    QCOMPARE(shown(window.Pic(3), 40, 40), qRgb(255, 255, 255));
}

void TestFloorBelow::offByDefaultAndNoneBelowGround()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    QVERIFY(!window.menus().ShowVerdiepingEronder->isChecked());
    window.floors().floor(1).image.setPixel(10, 10, qRgb(0, 0, 0));
    window.floorSwitcher().chooseFloor(2);
    QCOMPARE(shown(window.Pic(2), 10, 10), qRgb(255, 255, 255));

    window.menus().ShowVerdiepingEronder->trigger();
    window.floorSwitcher().chooseFloor(1);
    QVERIFY(window.Pic(1)->floorBelow() == nullptr);
    QCOMPARE(shown(window.Pic(1), 10, 10), qRgb(0, 0, 0));
    QCOMPARE(shown(window.Pic(1), 11, 10), qRgb(255, 255, 255));
}

QTEST_MAIN(TestFloorBelow)
#include "tst_floorbelow.moc"
