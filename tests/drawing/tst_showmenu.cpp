#include "support/TestProgram.h"
#include "drawing/ShowMenu.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorSwitcher.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QtTest>

class TestShowMenu : public QObject {
    Q_OBJECT
private slots:
    void crossOnAllFloors();
    void crossStaysOutOfTheDrawing();
    void pointerShape_data();
    void pointerShape();
    void otherPointerIndexChangesNothing();
    void borderDrawnThenRemoved_data();
    void borderDrawnThenRemoved();
    void cornerInAnotherColourWhitensRing();
    void whiteBorderIsDrawnAgain();
    void borderUsesTheFloorsPen();
};

namespace {
QByteArray settingsWithWidth(int extraWidth)
{
    return "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n" + QByteArray::number(extraWidth) + "\r\n";
}

// How many pixels of the outermost ring have the given colour.
int ringPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool onRing = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (onRing && image.pixel(x, y) == colour)
                ++count;
        }
    return count;
}
} // namespace

void TestShowMenu::crossOnAllFloors()
{
    TestProgram program;
    MainWindow& main = program.start();
    QAction* cross = main.menus().ShowTekenkruis;
    QVERIFY(cross->isEnabled());
    for (int f = 1; f <= 3; ++f)
        QVERIFY(!main.floors().floor(f).overlays.crossVisible);

    cross->trigger();
    QVERIFY(cross->isChecked());
    for (int f = 1; f <= 3; ++f)
        QVERIFY(main.floors().floor(f).overlays.crossVisible);

    cross->trigger();
    QVERIFY(!cross->isChecked());
    for (int f = 1; f <= 3; ++f)
        QVERIFY(!main.floors().floor(f).overlays.crossVisible);
}

void TestShowMenu::crossStaysOutOfTheDrawing()
{
    TestProgram program;
    MainWindow& main = program.start();
    Floor& floor = main.floors().floor(2);
    floor.overlays.cross = QPoint(40, 70);
    const QImage before = floor.image;
    main.menus().ShowTekenkruis->trigger();

    const QImage shown = main.Pic(2)->grab().toImage();
    const QColor hair(192, 192, 192);
    QCOMPARE(shown.pixelColor(40, 5), hair);
    QCOMPARE(shown.pixelColor(300, 70), hair);
    QCOMPARE(shown.pixelColor(41, 71), QColor(Qt::white));
    QCOMPARE(floor.image, before);
}

void TestShowMenu::pointerShape_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("cursor");
    QTest::newRow("Cross") << 2 << 2 << int(Qt::CrossCursor);
    QTest::newRow("Arrow") << 1 << 0 << int(Qt::ArrowCursor);
}

void TestShowMenu::pointerShape()
{
    QFETCH(int, index);
    QFETCH(int, shape);
    QFETCH(int, cursor);
    TestProgram program;
    MainWindow& main = program.start();
    const auto& entries = main.menus().ShowMuiscursorKeuze;
    QVERIFY(entries[0]->isChecked());
    // Start from the other shape, so every row really changes something.
    entries[size_t(2 - index)]->trigger();
    entries[size_t(index - 1)]->trigger();

    QCOMPARE(int(program.state.PointerShape), shape);
    QCOMPARE(entries[0]->isChecked(), index == 1);
    QCOMPARE(entries[1]->isChecked(), index == 2);
    for (int f = 1; f <= 3; ++f)
        QCOMPARE(int(main.Pic(f)->cursor().shape()), cursor);
}

void TestShowMenu::otherPointerIndexChangesNothing()
{
    TestProgram program;
    MainWindow& main = program.start();
    auto* show = main.findChild<ShowMenu*>();
    show->ShowMuiscursorKeuze(2);
    show->ShowMuiscursorKeuze(3);
    show->ShowMuiscursorKeuze(0);
    QCOMPARE(int(program.state.PointerShape), 2);
    QVERIFY(main.menus().ShowMuiscursorKeuze[1]->isChecked());
    QCOMPARE(main.Pic(3)->cursor().shape(), Qt::CrossCursor);
}

void TestShowMenu::borderDrawnThenRemoved_data()
{
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<int>("floor");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("350 px, black, ground floor") << 0 << 1 << QColor(0, 0, 0);
    QTest::newRow("470 px, red, second floor") << 1800 << 3 << QColor(255, 0, 0);
}

void TestShowMenu::borderDrawnThenRemoved()
{
    QFETCH(int, extraWidth);
    QFETCH(int, floor);
    QFETCH(QColor, colour);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settingsWithWidth(extraWidth));
    MainWindow& main = program.start();
    main.floorSwitcher().chooseFloor(floor);
    program.state.ColorRed = colour.red();
    program.state.ColorGreen = colour.green();
    program.state.ColorBlue = colour.blue();
    main.floors().PicTotaal.fill(Qt::green);
    const QImage snapshot = main.floors().PicTotaal;
    QAction* border = main.menus().ShowBorder;
    QVERIFY(border->isEnabled());

    border->trigger();
    const QImage& image = main.floors().floor(floor).image;
    const int w = 350 + extraWidth / 15;
    QCOMPARE(image.width(), w);
    const QRgb c = colour.rgb();
    QCOMPARE(ringPixels(image, c), 2 * w + 2 * 455 - 4);
    QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(w - 2, 453), qRgb(255, 255, 255));
    // The other floors and the undo snapshot are untouched.
    QCOMPARE(ringPixels(main.floors().floor(floor == 1 ? 2 : 1).image, c), 0);
    QCOMPARE(main.floors().PicTotaal, snapshot);

    border->trigger();
    QImage blank(image.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(image, blank);
}

void TestShowMenu::cornerInAnotherColourWhitensRing()
{
    TestProgram program;
    MainWindow& main = program.start();
    QImage& image = main.floors().floor(1).image;
    image.setPixel(0, 0, qRgb(0, 0, 255));
    image.setPixel(200, 454, qRgb(0, 0, 0));
    main.menus().ShowBorder->trigger();
    QCOMPARE(ringPixels(image, qRgb(255, 255, 255)), 2 * 350 + 2 * 455 - 4);
}

void TestShowMenu::whiteBorderIsDrawnAgain()
{
    TestProgram program;
    MainWindow& main = program.start();
    program.state.ColorRed = program.state.ColorGreen = program.state.ColorBlue = 255;
    QImage& image = main.floors().floor(1).image;
    for (int round = 1; round <= 2; ++round) {
        // A mark on the ring away from the corner: each command paints over it.
        image.setPixel(100, 0, qRgb(0, 0, 0));
        main.menus().ShowBorder->trigger();
        QCOMPARE(image.pixel(100, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    }
}

void TestShowMenu::borderUsesTheFloorsPen()
{
    TestProgram program;
    MainWindow& main = program.start();
    Floor& floor = main.floors().floor(1);
    const int ring = 2 * 350 + 2 * 455 - 4;

    floor.pen.dotted = true;
    main.menus().ShowBorder->trigger();
    const int dotted = ringPixels(floor.image, qRgb(0, 0, 0));
    QVERIFY(dotted > 0);
    QVERIFY(dotted < ring);
    floor.clear();

    // A pen left in invert mode still draws the border in its colour.
    floor.pen = Pen{};
    floor.pen.invert = true;
    main.menus().ShowBorder->trigger();
    QCOMPARE(ringPixels(floor.image, qRgb(0, 0, 0)), ring);
    main.menus().ShowBorder->trigger();
    QCOMPARE(ringPixels(floor.image, qRgb(255, 255, 255)), ring);
}

QTEST_MAIN(TestShowMenu)
#include "tst_showmenu.moc"
