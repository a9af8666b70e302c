#include "plan/Plan.h"
#include "support/PictureCompare.h"

#include <QtTest>

#include <functional>

using Step = std::function<void(Plan&)>;
Q_DECLARE_METATYPE(Step)

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
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
