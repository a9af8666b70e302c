#include "Named.h"
#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/ShowMenu.h"
#include "drawing/TextDialog.h"
#include "drawing/magnifier/Magnifier.h"
#include "drawing/ToolPanel.h"
#include "plan/Plan.h"
#include "image/PictureLibrary.h"
#include "image/RasterOp.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr QRgb Background = qRgb(227, 237, 200); // of the library overview

QImage scribbled(QImage image)
{
    for (int i = 0; i < 100; ++i)
        image.setPixel(3 * i, 4 * i, qRgb(255, 0, i));
    return image;
}

int options(ToolPanel* panel, bool framed)
{
    int count = 0;
    for (int i = 1; i <= 10; ++i)
        count += framed ? named<QLabel>(panel, QStringLiteral("optionImage"), i)->frameShape() != QFrame::NoFrame : !named<QLabel>(panel, QStringLiteral("optionImage"), i)->isHidden();
    return count;
}

void clickTool(MainWindow& window, int index)
{
    named<QToolButton>(window, QStringLiteral("toolButton"), index)->click();
}

void clickOption(MainWindow& window, int index)
{
    QTest::mouseClick(named<QLabel>(window, QStringLiteral("optionImage"), index), Qt::LeftButton);
}
} // namespace

class TestToolPalette : public QObject {
    Q_OBJECT
private slots:
    void toolClick_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("first"); // the library picture of its first option
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("option"); // clicked afterwards, 0: none
        QTest::addColumn<bool>("lineStyle");
        QTest::addColumn<bool>("eraserRow");
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("rectangle: widths and the line style") << 3 << 0 << 6 << 6 << true << false << true;
        QTest::newRow("dimension: arrow styles") << 4 << 9 << 3 << 3 << false << false << true;
        QTest::newRow("doors") << 12 << 40 << 10 << 3 << false << false << true;
        QTest::newRow("walls") << 19 << 120 << 6 << 6 << false << false << true;
        QTest::newRow("eraser: its size instead of options") << 6 << 0 << 0 << 0 << false << true << true;
        QTest::newRow("text: its dialog and a sound") << 5 << 0 << 0 << 0 << false << false << true;
        QTest::newRow("text, sound off") << 5 << 0 << 0 << 0 << false << false << false;
    }

    void toolClick()
    {
        QFETCH(int, tool);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, option);
        QFETCH(bool, eraserRow);
        QFETCH(bool, soundOn);
        TestProgram program;
        MainWindow& window = program.start();
        const PictureLibrary library;
        program.settings.soundOn = soundOn;
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 2)->click();
        ToolPanel* panel = named<ToolPanel>(window, QStringLiteral("toolPanel"));
        clickTool(window, 14);
        clickOption(window, 2);
        clickTool(window, tool);
        QCOMPARE(options(panel, false), count);
        QCOMPARE(options(panel, true), 0);
        for (int i = 1; i <= count; ++i) {
            const QImage expected = library.picture(first + i - 1);
            QVERIFY2(!expected.isNull(), "library picture missing");
            QCOMPARE(named<QLabel>(panel, QStringLiteral("optionImage"), i)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
        }
        QTEST(!named<QCheckBox>(window, QStringLiteral("lineStyleCheck"))->isHidden(), "lineStyle");
        for (QWidget* part : std::initializer_list<QWidget*>{named<QLabel>(panel, QStringLiteral("eraserBackdrop")), named<QScrollBar>(panel, QStringLiteral("eraserSizeBar")), named<QLabel>(panel, QStringLiteral("eraserSizeLabel"))})
            QCOMPARE(!part->isHidden(), eraserRow);
        const Floor& floor = window.plan().floor(2);
        QCOMPARE(floor.overlays.gumVisible, eraserRow);
        QVERIFY(!window.plan().floor(1).overlays.gumVisible);
        QCOMPARE(window.plan().toolChoice.chosenOption, 1);
        QCOMPARE(window.findChild<TextDialog*>() != nullptr, tool == 5); // opened without blocking
        QCOMPARE(program.sound.played, tool == 5 && soundOn ? QStringList(program.path("sounds/space.wav")) : QStringList());
        if (eraserRow) {
            // Above the range the size stays at the largest, on every floor.
            named<QScrollBar>(panel, QStringLiteral("eraserSizeBar"))->setValue(31);
            QCOMPARE(named<QLabel>(panel, QStringLiteral("eraserSizeLabel"))->text(), QStringLiteral("30 pixels"));
            QCOMPARE(window.plan().toolChoice.eraserSize, 30);
            for (int f = 1; f <= 3; ++f)
                QCOMPARE(window.plan().floor(f).overlays.gum.size(), QSize(30, 30));
        }
        if (option == 0)
            return;
        // An option click frames that option alone: a width for lines, an arrow
        // style for dimensions, the picture the pointer carries for symbols.
        clickOption(window, 1);
        clickOption(window, option);
        QCOMPARE(window.plan().toolChoice.chosenOption, option);
        QCOMPARE(options(panel, true), 1);
        QCOMPARE(named<QLabel>(panel, QStringLiteral("optionImage"), option)->frameShape(), QFrame::Box);
        QCOMPARE(floor.pen.width, tool <= 3 ? option : 1);
        QCOMPARE(window.plan().toolChoice.arrowStyle, tool == 4 ? option : 1);
        if (tool >= 9)
            QCOMPARE(floor.overlays.cursorImage, library.picture(first + option - 1));
    }

    // What each button's tool makes of an option click, its line style and the
    // magnifier, one letter per button: w widths, d widths and the dotted style,
    // a arrow styles, s symbols, S symbols the magnifier looks ahead for, - none.
    void everyButton()
    {
        TestProgram program;
        program.prompts.yesNoAnswers << false; // the library overview
        MainWindow& window = program.start();
        Plan& plan = window.plan();
        const Magnifier& magnifier = window.findChild<ShowMenu*>()->magnifier();
        QString seen;
        for (int i = 1; i <= 20; ++i) {
            clickTool(window, i);
            plan.toolChoice.arrowStyle = 1;
            emit named<ToolPanel>(window, QStringLiteral("toolPanel"))->optionClicked(2);
            const Floor& floor = plan.floor(1);
            seen += floor.pen.width == 2 ? (named<QCheckBox>(window, QStringLiteral("lineStyleCheck"))->isHidden() ? 'w' : 'd')
                  : plan.toolChoice.arrowStyle == 2 ? 'a'
                  : floor.overlays.cursorImageVisible ? (magnifier.shift() == 34 ? 'S' : 's')
                  : magnifier.shift() == 0 ? '-' : '?';
        }
        QCOMPARE(seen, QStringLiteral("wdda----SSSSSSSssss-"));
    }

    void toolClickResetsPanel()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Plan& plan = window.plan();
        clickTool(window, 2);
        QCheckBox* box = named<QCheckBox>(window, QStringLiteral("lineStyleCheck"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->text(), QStringLiteral("Stippellijn"));
        clickOption(window, 4);
        for (int f = 1; f <= 3; ++f) {
            QVERIFY(plan.floor(f).pen.dotted);
            plan.floor(f).overlays.textVisible = true;
            plan.floor(f).overlays.cursorImageVisible = true;
            plan.floor(f).overlays.gumVisible = true;
        }
        // The width is the shown floor's own.
        QCOMPARE(plan.floor(1).pen.width, 4);
        QCOMPARE(plan.floor(2).pen.width, 1);

        clickTool(window, 7);
        QVERIFY(box->isHidden());
        QVERIFY(box->isChecked());
        QCOMPARE(box->text(), QStringLiteral("Onafgebroken lijn"));
        QCOMPARE(options(named<ToolPanel>(window, QStringLiteral("toolPanel")), false), 0);
        QCOMPARE(options(named<ToolPanel>(window, QStringLiteral("toolPanel")), true), 0);
        for (int f = 1; f <= 3; ++f) {
            const Floor& floor = plan.floor(f);
            QCOMPARE(floor.pen.width, 1);
            QVERIFY(!floor.pen.dotted);
            QVERIFY(!floor.overlays.textVisible);
            QVERIFY(!floor.overlays.cursorImageVisible);
            QVERIFY(!floor.overlays.gumVisible);
        }
        // The arrow style is chosen with the dimension tool only, and outlives tool clicks.
        clickTool(window, 4);
        clickOption(window, 2);
        clickTool(window, 9);
        clickOption(window, 3);
        clickTool(window, 1);
        QCOMPARE(plan.toolChoice.arrowStyle, 2);
    }

    void overviewCells_data()
    {
        // A picture's cell, or an area that stays background (index -1).
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QString>("rasterOp");
        QTest::newRow("0 top left") << 0 << QRect(5, 2, 32, 32) << "&H8800C6";
        QTest::newRow("9 top right, merge paint") << 9 << QRect(311, 2, 32, 32) << "&HBB0226";
        QTest::newRow("139 last, not copy") << 139 << QRect(311, 418, 32, 32) << "&H330008";
        QTest::newRow("cells 140 and after") << -1 << QRect(0, 450, 350, 5) << "&H8800C6";
        QTest::newRow("left margin") << -1 << QRect(0, 0, 5, 455) << "&H8800C6";
        QTest::newRow("right of the grid") << -1 << QRect(343, 0, 7, 455) << "&H8800C6";
    }

    void overviewCells()
    {
        QFETCH(int, index);
        QFETCH(QRect, area);
        QFETCH(QString, rasterOp);
        TestProgram program;
        program.prompts.yesNoAnswers << true;
        MainWindow& window = program.start();
        window.plan().toolChoice.rasterOpText = rasterOp;
        named<QToolButton>(window, QStringLiteral("toolButton"), 20)->click();

        const QImage picture = index < 0 ? QImage() : PictureLibrary().picture(index);
        QVERIFY2(index < 0 || !picture.isNull(), "library picture missing");
        const RasterOp op = *rasterOpFromText(rasterOp);
        const QImage& floor = window.plan().floor(1).image;
        int marked = 0;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                const QRgb s = index < 0 ? 0 : picture.pixel(x, y);
                const QRgb expected = qAlpha(s) < 128 ? Background : combineRaster(s, Background, op);
                QCOMPARE(floor.pixel(area.topLeft() + QPoint(x, y)), expected);
                marked += expected != Background ? 1 : 0;
            }
        }
        // A picture that left its cell untouched would prove nothing about where it went.
        QCOMPARE(marked > 0, index >= 0);
    }

    void overviewAnswer_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces only the shown floor") << true;
        QTest::newRow("No leaves the drawing") << false;
    }

    void overviewAnswer()
    {
        QFETCH(bool, yes);
        TestProgram program;
        program.prompts.yesNoAnswers << yes;
        MainWindow& window = program.start();
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 2)->click();
        Plan& plan = window.plan();
        for (int f = 1; f <= 3; ++f)
            plan.floor(f).image = scribbled(plan.floor(f).image);
        // Drawing a narrowed canvas hides goes with the plan it belongs to.
        plan.setCanvasWidth(470);
        plan.floor(2).image.setPixel(469, 454, qRgb(0, 0, 0));
        plan.setCanvasWidth(350);
        const QImage before = plan.floor(1).image;
        named<QToolButton>(window, QStringLiteral("toolButton"), 9)->click();

        named<QToolButton>(window, QStringLiteral("toolButton"), 20)->click();
        QCOMPARE(program.prompts.questions, QStringList{QStringLiteral(" Show|Bestaande plattegrond wordt verwijderd!")});
        QCOMPARE(plan.floor(2).image.pixel(3, 4), yes ? Background : qRgb(255, 0, 1)); // the scribble
        QCOMPARE(plan.floor(1).image, before);
        QCOMPARE(plan.floor(3).image, before);
        QCOMPARE(plan.floor(2).hasHiddenDrawing(), !yes);
        QCOMPARE(plan.history().canUndo(), yes);
        const QString heading = yes ? QStringLiteral("Show alles") : QStringLiteral("Tools");
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 1)->text(), heading);
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 2)->text(), heading);
        QCOMPARE(plan.toolChoice.current, ToolKind::LibraryOverview);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestToolPalette)
#include "tst_toolpalette.moc"
