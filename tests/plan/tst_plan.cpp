#include "Named.h"
#include "app/MainWindow.h"
#include "plan/Plan.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

#include <functional>

using Step = std::function<void(Plan&)>;
Q_DECLARE_METATYPE(Step)

// Operations on a floor as a whole: in the plan, hidden columns and all, and
// from the Bewerken menu.
class TestPlan : public QObject {
    Q_OBJECT
private slots:
    // Floor 1 drawn at 470 and narrowed to 350 hides 120 drawn columns. Each
    // step ends at 350; the floor is then widened to 470 again.
    void wholeFloorWithHiddenColumns_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<QImage>("shown");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QImage>("widened");
        const QImage drawn = patterned(470), left = drawn.copy(0, 0, 350, 455);
        const QImage mirrored = left.mirrored(true, false), turned = left.mirrored(false, true);
        const QImage blank, small = drawn.copy(100, 100, 10, 20);
        QTest::newRow("nothing") << Step([](Plan&) {}) << left << true << drawn;
        QTest::newRow("mirror") << Step([](Plan& p) { p.floor(1).mirror(Qt::Horizontal); }) << mirrored << false
                                << onWhite(mirrored, 470);
        QTest::newRow("turn") << Step([](Plan& p) { p.floor(1).mirror(Qt::Vertical); }) << turned << false
                              << onWhite(turned, 470);
        QTest::newRow("copy, paste") << Step([](Plan& p) { p.copy(1), p.paste(1); }) << left << false
                                     << onWhite(left, 470);
        QTest::newRow("clear") << Step([](Plan& p) { p.floor(1).clear(); }) << onWhite(blank, 350) << false
                               << onWhite(blank, 470);
        // Columns that come in white on widening hide nothing once narrowed again.
        QTest::newRow("set a picture, widen, narrow")
            << Step([small](Plan& p) { p.floor(1).setPicture(small), p.setCanvasWidth(470), p.setCanvasWidth(350); })
            << onWhite(small, 350) << false << onWhite(small, 470);
        QTest::newRow("undo taken at 350, after widening") << Step([](Plan& p) {
            p.takeUndoPicture(1), p.setCanvasWidth(470), p.floor(1).clear(), p.undo(1), p.setCanvasWidth(350);
        }) << left << true << drawn;
        QTest::newRow("undo taken at 470, after narrowing") << Step([](Plan& p) {
            p.setCanvasWidth(470), p.takeUndoPicture(1), p.setCanvasWidth(350), p.floor(1).clear(), p.undo(1);
        }) << left << true << drawn;
        // Whichever floor it came from, and its hidden columns with it.
        QTest::newRow("undo onto another floor") << Step([](Plan& p) { p.takeUndoPicture(2), p.undo(1); })
                                                 << onWhite(blank, 350) << false << onWhite(blank, 470);
        // One step back: a second Undo gives the same, not what the first replaced.
        QTest::newRow("undo twice is once") << Step([](Plan& p) {
            p.takeUndoPicture(1), p.floor(1).clear(), p.undo(1), p.undo(1);
        }) << left << true << drawn;
        QTest::newRow("undo before any press") << Step([](Plan& p) { p.undo(1); }) << onWhite(blank, 350) << false
                                               << onWhite(blank, 470);
        QTest::newRow("paste before any copy") << Step([](Plan& p) { p.paste(1); }) << onWhite(blank, 350) << false
                                               << onWhite(blank, 470);
        QTest::newRow("paste takes no undo picture") << Step([](Plan& p) {
            p.takeUndoPicture(1), p.copy(1), p.floor(1).clear(), p.paste(1), p.undo(1);
        }) << left << true << drawn;
    }

    void wholeFloorWithHiddenColumns()
    {
        QFETCH(Step, step);
        Plan plan(470);
        plan.floor(1).image = patterned(470);
        plan.setCanvasWidth(350);
        step(plan);
        QTEST(plan.floor(1).image, "shown");
        QTEST(plan.floor(1).hasHiddenDrawing(), "hidden");
        plan.setCanvasWidth(470);
        QTEST(plan.floor(1).image, "widened");
        QVERIFY(!plan.floor(1).hasHiddenDrawing());
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
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 3)->click();
        Plan& plan = window.plan();
        const int width = plan.canvasWidth();
        QCOMPARE(width, 350 + extraTwips / 15);
        plan.floor(3).image = patterned(width);
        plan.floor(1).image = patterned(width);
        const QImage undo = plan.undoPicture();
        for (int entry : entries)
            named<QAction>(window, QStringLiteral("flipAction"), entry)->trigger();

        QCOMPARE(plan.floor(3).image, patterned(width).mirrored(leftRight, upsideDown));
        // Only the current floor turns, and it is no drawing step.
        QCOMPARE(plan.floor(1).image, patterned(width));
        QCOMPARE(plan.undoPicture(), undo);
        QCOMPARE(program.sound.played, soundOn ? QStringList(entries.size(), program.path("sounds/zoef.wav")) : QStringList());
    }

    // Spiegelbeeld, Rotatie and Plakken work on the shown part: with drawing
    // hidden beyond a narrowed canvas they ask first, and No keeps the floor
    // whole. What Yes leaves is the plan's own (tst_plan).
    void hiddenColumnsAskFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Spiegelbeeld, no") << "flipAction1" << false;
        QTest::newRow("Rotatie 180°, yes") << "flipAction2" << true;
        QTest::newRow("Plakken, no") << "pasteAction" << false;
        QTest::newRow("Plakken, yes") << "pasteAction" << true;
    }

    void hiddenColumnsAskFirst()
    {
        QFETCH(QString, action);
        QFETCH(bool, answer);
        TestProgram program;
        MainWindow& window = program.start();
        const auto setWidth = [&](int extraTwips) {
            program.settings.canvasExtraWidth = extraTwips;
            window.applyCanvasWidth();
        };
        setWidth(1800);
        window.plan().floor(1).image = patterned(470);
        setWidth(0);
        program.prompts.yesNoAnswers << answer;
        named<QAction>(window, action)->trigger();
        QCOMPARE(program.prompts.questions,
                 QStringList{" Verborgen deel|Rechts van het canvas staat nog tekening die bij deze breedte niet te zien is.\r\n"
                             "Deze bewerking werkt alleen op het zichtbare deel; het verborgen deel verdwijnt.\r\nWilt u doorgaan?"});
        setWidth(1800);
        QCOMPARE(window.plan().floor(1).image == patterned(470), !answer);
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
