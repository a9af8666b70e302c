#include "support/TestProgram.h"
#include "drawing/ShowMenu.h"
#include "floors/CanvasWidget.h"
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
};

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

QTEST_MAIN(TestShowMenu)
#include "tst_showmenu.moc"
