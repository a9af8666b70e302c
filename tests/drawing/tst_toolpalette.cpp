#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/TextDialog.h"
#include "drawing/ToolPanel.h"
#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"
#include "image/PictureLibrary.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {
int visibleOptions(ToolPanel* panel)
{
    int count = 0;
    for (int i = 1; i <= 10; ++i)
        count += panel->Tumb(i)->isHidden() ? 0 : 1;
    return count;
}

int framedOptions(ToolPanel* panel)
{
    int count = 0;
    for (int i = 1; i <= 10; ++i)
        count += panel->Tumb(i)->frameShape() == QFrame::NoFrame ? 0 : 1;
    return count;
}

void clickTool(MainWindow& window, int index)
{
    window.toolPanel()->Knop(index)->click();
}

void clickOption(MainWindow& window, int index)
{
    QTest::mouseClick(window.toolPanel()->Tumb(index), Qt::LeftButton);
}
} // namespace

class TestToolPalette : public QObject {
    Q_OBJECT
private slots:
    void optionPictures_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("widths") << 3 << 0 << 6;
        QTest::newRow("arrows") << 4 << 9 << 3;
        QTest::newRow("doors") << 12 << 40 << 10;
        QTest::newRow("walls") << 19 << 120 << 6;
        QTest::newRow("eraser: none") << 6 << 0 << 0;
    }

    void optionPictures()
    {
        QFETCH(int, tool);
        QFETCH(int, first);
        QFETCH(int, count);
        TestProgram program;
        MainWindow& window = program.start();
        clickTool(window, 14);
        clickTool(window, tool);
        QCOMPARE(visibleOptions(window.toolPanel()), count);
        QCOMPARE(framedOptions(window.toolPanel()), 0);
        for (int i = 1; i <= count; ++i) {
            const QImage expected = window.library().picture(first + i - 1);
            QVERIFY2(!expected.isNull(), "library picture missing");
            QCOMPARE(window.toolPanel()->Tumb(i)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
        }
    }

    void extrasPerTool_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("lineStyle");
        QTest::addColumn<bool>("eraserRow");
        QTest::addColumn<int>("shift");
        for (int tool = 1; tool <= 19; ++tool) {
            if (tool == 5)
                continue;
            QTest::addRow("%d", tool) << tool << (tool == 2 || tool == 3) << (tool == 6)
                                      << (tool >= 9 && tool <= 15 ? 34 : 0);
        }
    }

    void extrasPerTool()
    {
        QFETCH(int, tool);
        QFETCH(bool, lineStyle);
        QFETCH(bool, eraserRow);
        QFETCH(int, shift);
        TestProgram program;
        MainWindow& window = program.start();
        window.floorSwitcher().chooseFloor(2);
        clickTool(window, 12);
        clickTool(window, tool);
        QCOMPARE(!window.LijnCheck()->isHidden(), lineStyle);
        const ToolPanel* panel = window.toolPanel();
        for (QWidget* part : std::initializer_list<QWidget*>{panel->GumBack(), panel->GumScroll(), panel->GumLabel()})
            QCOMPARE(!part->isHidden(), eraserRow);
        QCOMPARE(window.floors().floor(2).overlays.gumVisible, eraserRow);
        QVERIFY(!window.floors().floor(1).overlays.gumVisible);
        QCOMPARE(program.state.MagnifierShift, qint16(shift));
        QCOMPARE(program.state.ChosenOption, quint8(1));
    }

    void toolClickResetsPanel()
    {
        TestProgram program;
        MainWindow& window = program.start();
        Floors& floors = window.floors();
        clickTool(window, 2);
        window.LijnCheck()->setChecked(false);
        window.LijnCheck()->setText(QStringLiteral("Stippellijn"));
        clickOption(window, 4);
        for (int f = 1; f <= 3; ++f) {
            floors.floor(f).pen.dotted = true;
            floors.floor(f).overlays.textVisible = true;
            floors.floor(f).overlays.cursorImageVisible = true;
            floors.floor(f).overlays.gumVisible = true;
        }
        QCOMPARE(floors.floor(1).pen.width, 4);

        clickTool(window, 7);
        QVERIFY(window.LijnCheck()->isHidden());
        QVERIFY(window.LijnCheck()->isChecked());
        QCOMPARE(window.LijnCheck()->text(), QStringLiteral("Onafgebroken lijn"));
        QCOMPARE(visibleOptions(window.toolPanel()), 0);
        QCOMPARE(framedOptions(window.toolPanel()), 0);
        for (int f = 1; f <= 3; ++f) {
            const Floor& floor = floors.floor(f);
            QCOMPARE(floor.pen.width, 1);
            QVERIFY(!floor.pen.dotted);
            QVERIFY(!floor.overlays.textVisible);
            QVERIFY(!floor.overlays.cursorImageVisible);
            QVERIFY(!floor.overlays.gumVisible);
        }
    }

    void optionClick_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("arrowStyle");
        QTest::addColumn<int>("preview"); // library index the pointer carries, -1 for none
        QTest::newRow("freehand width 5") << 1 << 5 << 5 << 1 << -1;
        QTest::newRow("line width 2") << 2 << 2 << 2 << 1 << -1;
        QTest::newRow("double rectangle") << 3 << 6 << 6 << 1 << -1;
        QTest::newRow("arrow style 3") << 4 << 3 << 1 << 3 << -1;
        QTest::newRow("direction arrow") << 9 << 10 << 1 << 1 << 89;
        QTest::newRow("stairs") << 10 << 1 << 1 << 1 << 130;
        QTest::newRow("door") << 12 << 3 << 1 << 1 << 42;
        QTest::newRow("furniture") << 15 << 2 << 1 << 1 << 61;
        QTest::newRow("wall") << 19 << 6 << 1 << 1 << 125;
    }

    void optionClick()
    {
        QFETCH(int, tool);
        QFETCH(int, option);
        QFETCH(int, width);
        QFETCH(int, arrowStyle);
        QFETCH(int, preview);
        TestProgram program;
        MainWindow& window = program.start();
        clickTool(window, tool);
        clickOption(window, 1);
        clickOption(window, option);

        QCOMPARE(program.state.ChosenOption, quint8(option));
        QCOMPARE(framedOptions(window.toolPanel()), 1);
        QCOMPARE(window.toolPanel()->Tumb(option)->frameShape(), QFrame::Box);
        QCOMPARE(window.toolPanel()->Tumb(option)->lineWidth(), 1);
        const Floor& floor = window.floors().floor(1);
        QCOMPARE(floor.pen.width, width);
        QCOMPARE(program.state.ArrowStyle, quint8(arrowStyle));
        QCOMPARE(floor.overlays.cursorImageVisible, preview >= 0);
        if (preview >= 0) {
            QVERIFY(!window.library().picture(preview).isNull());
            QCOMPARE(floor.overlays.cursorImage, window.library().picture(preview));
        }
    }

    void optionWidthOnCurrentFloorOnly()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.floorSwitcher().chooseFloor(3);
        clickTool(window, 2);
        clickOption(window, 5);
        window.floorSwitcher().chooseFloor(1);
        QCOMPARE(window.floors().floor(3).pen.width, 5);
        QCOMPARE(window.floors().floor(1).pen.width, 1);
        QCOMPARE(window.floors().floor(2).pen.width, 1);
        clickTool(window, 3);
        QCOMPARE(window.floors().floor(3).pen.width, 1);
    }

    void arrowStyleSurvivesToolClick()
    {
        TestProgram program;
        MainWindow& window = program.start();
        clickTool(window, 4);
        clickOption(window, 2);
        clickTool(window, 9);
        clickOption(window, 3);
        clickTool(window, 1);
        QCOMPARE(program.state.ArrowStyle, quint8(2));
        QCOMPARE(program.state.ChosenOption, quint8(1));
    }

    void textToolSound_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("text, sound on") << 5 << true << QStringList{QStringLiteral("sounds/space.wav")};
        QTest::newRow("text, sound off") << 5 << false << QStringList{};
        QTest::newRow("lines, sound on") << 2 << true << QStringList{};
    }

    void textToolSound()
    {
        QFETCH(int, tool);
        QFETCH(bool, soundOn);
        QFETCH(QStringList, played);
        TestProgram program;
        MainWindow& window = program.start();
        program.state.SoundOn = soundOn;
        clickTool(window, tool);
        // Tool 5 opens its dialog without blocking.
        QCOMPARE(window.findChild<TextDialog*>() != nullptr, tool == 5);
        QStringList expected;
        for (const QString& name : played)
            expected << program.path(name);
        QCOMPARE(program.sound.played, expected);
    }
};

QTEST_MAIN(TestToolPalette)
#include "tst_toolpalette.moc"
