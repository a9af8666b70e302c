#include "plan/Plan.h"

#include <QPainter>
#include <QtTest>

#include <functional>

using PlanStep = std::function<void(Plan&)>;
Q_DECLARE_METATYPE(PlanStep)

namespace {
// Every pixel different from its neighbours, so a cut, a shift or a turn shows.
QImage pattern(int width)
{
    QImage picture(width, 455, QImage::Format_RGB32);
    for (int y = 0; y < 455; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 64 + y / 256 * 128));
    }
    return picture;
}

QImage onWhite(const QImage& picture, int width)
{
    QImage floor(width, 455, QImage::Format_RGB32);
    floor.fill(Qt::white);
    QPainter(&floor).drawImage(0, 0, picture);
    return floor;
}
} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private slots:
    // Floor 1 drawn at 470 and narrowed to 350 hides 120 drawn columns. Each
    // step ends at 350; the floor is then widened to 470 again.
    void wholeFloorWithHiddenColumns_data()
    {
        QTest::addColumn<PlanStep>("step");
        QTest::addColumn<QImage>("shown");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QImage>("widened");
        const QImage drawn = pattern(470);
        const QImage left = drawn.copy(0, 0, 350, 455);
        const QImage mirrored = left.mirrored(true, false);
        const QImage turned = left.mirrored(false, true);
        QImage small(10, 20, QImage::Format_RGB32);
        small.fill(qRgb(200, 0, 0));
        QTest::newRow("nothing") << PlanStep([](Plan&) {}) << left << true << drawn;
        QTest::newRow("widen, narrow") << PlanStep([](Plan& p) { p.setCanvasWidth(470), p.setCanvasWidth(350); })
                                       << left << true << drawn;
        QTest::newRow("mirror") << PlanStep([](Plan& p) { p.floor(1).mirror(Qt::Horizontal); }) << mirrored << false
                                << onWhite(mirrored, 470);
        QTest::newRow("turn") << PlanStep([](Plan& p) { p.floor(1).mirror(Qt::Vertical); }) << turned << false
                              << onWhite(turned, 470);
        QTest::newRow("copy, paste") << PlanStep([](Plan& p) { p.copy(1), p.paste(1); }) << left << false
                                     << onWhite(left, 470);
        QTest::newRow("paste before any copy") << PlanStep([](Plan& p) { p.paste(1); }) << onWhite(QImage(), 350)
                                               << false << onWhite(QImage(), 470);
        QTest::newRow("clear") << PlanStep([](Plan& p) { p.floor(1).clear(); }) << onWhite(QImage(), 350) << false
                               << onWhite(QImage(), 470);
        QTest::newRow("set a picture") << PlanStep([small](Plan& p) { p.floor(1).setPicture(small); })
                                       << onWhite(small, 350) << false << onWhite(small, 470);
        QTest::newRow("undo taken at 350, after widening")
            << PlanStep([](Plan& p) {
                   p.takeUndoPicture(1), p.setCanvasWidth(470), p.floor(1).clear(), p.undo(1), p.setCanvasWidth(350);
               })
            << left << true << drawn;
        QTest::newRow("undo taken at 470, after narrowing")
            << PlanStep([](Plan& p) {
                   p.setCanvasWidth(470), p.takeUndoPicture(1), p.setCanvasWidth(350), p.floor(1).clear(), p.undo(1);
               })
            << left << true << drawn;
        // Whichever floor it came from, and with it the hidden columns.
        QTest::newRow("undo onto another floor")
            << PlanStep([](Plan& p) { p.takeUndoPicture(2), p.floor(2).clear(), p.undo(1); }) << onWhite(QImage(), 350)
            << false << onWhite(QImage(), 470);
    }

    void wholeFloorWithHiddenColumns()
    {
        QFETCH(PlanStep, step);
        Plan plan(470);
        plan.floor(1).image = pattern(470);
        plan.setCanvasWidth(350);
        step(plan);
        QTEST(plan.floor(1).image, "shown");
        QTEST(plan.floor(1).hasHiddenDrawing(), "hidden");
        plan.setCanvasWidth(470);
        QTEST(plan.floor(1).image, "widened");
        QVERIFY(!plan.floor(1).hasHiddenDrawing());
    }

    // Columns that came in white on widening hide nothing once narrowed again,
    // but are kept, so the whole floor stays as wide as it was shown.
    void widenedThenNarrowed()
    {
        Plan plan(350);
        plan.floor(3).image = pattern(350);
        plan.setCanvasWidth(470);
        QCOMPARE(plan.floor(3).image, onWhite(pattern(350), 470));
        plan.setCanvasWidth(350);
        QCOMPARE(plan.floor(3).image, pattern(350));
        QVERIFY(!plan.floor(3).hasHiddenDrawing());
        QCOMPARE(plan.floor(3).wholePicture(), onWhite(pattern(350), 470));
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
