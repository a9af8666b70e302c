#include "Named.h"
#include "app/MainWindow.h"
#include "image/Primitives.h"
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
namespace {
// A press on floor f that paints the box from `corner` 10 x 10 pixels in `colour`.
void stroke(Plan& plan, int f, QPoint corner, QRgb colour)
{
    plan.history().begin(f, QStringLiteral("lijn"));
    fillBox(plan.floor(f).image, corner, corner + QPoint(9, 9), colour);
    plan.history().end();
}

std::array<QImage, 3> wholePictures(const Plan& plan)
{
    return {plan.floor(1).wholePicture(), plan.floor(2).wholePicture(), plan.floor(3).wholePicture()};
}
} // namespace

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
        QTest::newRow("paste before any copy") << Step([](Plan& p) { p.paste(1); }) << onWhite(blank, 350) << false
                                               << onWhite(blank, 470);
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
        for (int entry : entries)
            named<QAction>(window, QStringLiteral("flipAction"), entry)->trigger();

        QCOMPARE(plan.floor(3).image, patterned(width).mirrored(leftRight, upsideDown));
        // Only the current floor turns, each time one step for Undo.
        QCOMPARE(plan.floor(1).image, patterned(width));
        for (qsizetype i = 0; i < entries.size(); ++i)
            plan.history().undo(1);
        QCOMPARE(plan.floor(3).image, patterned(width));
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

    // Mixed changes on three floors, with the canvas narrowed halfway: every
    // Undo gives back the floors exactly as they were before that change and
    // shows its floor, every Opnieuw exactly as they were after it.
    void undoAndRedoRetraceEveryChange()
    {
        struct Change { int floor; const char* description; Step step; }; // floor 0: the one shown stays
        const QList<Change> changes{
            {1, "lijn op Begane grond", [](Plan& p) { stroke(p, 1, QPoint(5, 5), qRgb(0, 0, 0)); }},
            {2, "lijn op 1e verdieping", [](Plan& p) { stroke(p, 2, QPoint(440, 200), qRgb(255, 0, 0)); }}, // soon hidden
            {1, "spiegelbeeld op Begane grond",
             [](Plan& p) { p.history().record({1}, "spiegelbeeld", [&p] { p.floor(1).mirror(Qt::Vertical); }); }},
            {1, "lijn op Begane grond", [](Plan& p) { p.copy(1), p.setCanvasWidth(350), stroke(p, 1, QPoint(0, 0), qRgb(0, 0, 255)); }},
            {2, "wissen op 1e verdieping", [](Plan& p) { p.history().record({2}, "wissen", [&p] { p.floor(2).clear(); }); }},
            {3, "plakken op 2e verdieping", [](Plan& p) { p.paste(3); }},
            {0, "nieuw", [](Plan& p) { p.history().record({1, 2, 3}, "nieuw", [&p] { p.floor(1).clear(), p.floor(3).clear(); }); }},
            {2, "lijn op 1e verdieping", [](Plan& p) { stroke(p, 2, QPoint(340, 445), qRgb(0, 255, 0)); }}, // clipped
        };
        Plan plan(470);
        QList<std::array<QImage, 3>> states{wholePictures(plan)};
        for (const Change& change : changes) {
            change.step(plan);
            QVERIFY(wholePictures(plan) != states.last());
            states << wholePictures(plan);
        }
        for (qsizetype i = changes.size(); i > 0; --i) {
            const auto outcome = plan.history().undo(2);
            QCOMPARE(outcome->floor, changes[i - 1].floor == 0 ? 2 : changes[i - 1].floor);
            QCOMPARE(outcome->description, QLatin1String(changes[i - 1].description));
            QCOMPARE(wholePictures(plan), states[i - 1]);
            // The red box the narrowed canvas hides comes back with the floor it was drawn on.
            QCOMPARE(plan.floor(2).hasHiddenDrawing(), i >= 3 && i <= 5);
        }
        QVERIFY(!plan.history().canUndo() && !plan.history().undo(1));
        for (qsizetype i = 1; i <= changes.size(); ++i) {
            QCOMPARE(plan.history().redo(3)->floor, changes[i - 1].floor == 0 ? 3 : changes[i - 1].floor);
            QCOMPARE(wholePictures(plan), states[i]);
        }
        QVERIFY(!plan.history().canRedo());

        plan.history().undo(1), plan.history().undo(1);
        stroke(plan, 3, QPoint(100, 100), qRgb(1, 2, 3)); // a new change drops what could be redone
        QVERIFY(!plan.history().canRedo() && plan.history().undo(1) && wholePictures(plan) == states[6]);
    }

    // The budget drops the oldest steps, never one in between, and keeps the
    // newest whatever its size.
    void budgetDropsTheOldest()
    {
        Plan plan(350, 2 * 400);
        for (int f = 1; f <= 3; ++f)
            stroke(plan, f, QPoint(10, 10), qRgb(0, 0, 0));
        QCOMPARE(plan.history().bytes(), 2 * 400);
        QVERIFY(plan.history().undo(1)->floor == 3 && plan.history().undo(1)->floor == 2 && !plan.history().canUndo());
        QCOMPARE(plan.floor(1).image.pixel(19, 19), qRgb(0, 0, 0));
        plan.history().record({1}, "spiegelbeeld", [&plan] { plan.floor(1).mirror(Qt::Horizontal); });
        QVERIFY(plan.history().bytes() > 2 * 400 && plan.history().undo(1) && !plan.history().canUndo());
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
