#include "support/TestProgram.h"

#include "drawing/ToolPanel.h"
#include "floors/Floors.h"
#include "image/LibraryOverview.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QToolButton>
#include <QtTest>

class TestRasterModes : public QObject {
    Q_OBJECT
private slots:
    void startsWithAnd();
    void chooseMode_data();
    void chooseMode();
    void overviewUsesChosenMode();
};

void TestRasterModes::startsWithAnd()
{
    TestProgram program;
    MainWindow& window = program.start();
    QCOMPARE(program.state.RasterOpText, QStringLiteral("&H8800C6"));
    for (int k = 0; k < 6; ++k) {
        QVERIFY(window.menus().EditObjectCopy[size_t(k)]->isEnabled());
        QCOMPARE(window.menus().EditObjectCopy[size_t(k)]->isChecked(), k == 0);
    }
}

void TestRasterModes::chooseMode_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code");
    QTest::newRow("And again") << 3 << 1 << "And" << "&H8800C6";
    QTest::newRow("Copy") << 1 << 2 << "Copy" << "&HCC0020";
    QTest::newRow("Merge paint") << 6 << 3 << "Merge paint" << "&HBB0226";
    QTest::newRow("Not copy") << 1 << 4 << "Not copy" << "&H330008";
    QTest::newRow("Invert") << 2 << 5 << "Invert" << "&H660046";
    QTest::newRow("Paint") << 5 << 6 << "Paint" << "&HEE0086";
    QTest::newRow("same entry twice") << 4 << 4 << "Not copy" << "&H330008";
}

void TestRasterModes::chooseMode()
{
    QFETCH(int, before);
    QFETCH(int, entry);
    QFETCH(QString, caption);
    QFETCH(QString, code);
    TestProgram program;
    MainWindow& window = program.start();
    const auto& entries = window.menus().EditObjectCopy;
    entries[size_t(before - 1)]->trigger();
    entries[size_t(entry - 1)]->trigger();
    QCOMPARE(entries[size_t(entry - 1)]->text(), caption);
    QCOMPARE(program.state.RasterOpText, code);
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(entries[size_t(k - 1)]->isChecked(), k == entry);
}

void TestRasterModes::overviewUsesChosenMode()
{
    TestProgram program;
    program.prompts.yesNoAnswers << true;
    MainWindow& window = program.start();
    window.menus().EditObjectCopy[3]->trigger(); // Not copy
    window.toolPanel()->Knop(20)->click();
    const QImage picture = window.library().picture(0);
    QVERIFY2(!picture.isNull(), "library picture missing");
    // Under "Not copy" the black lines of the picture come out white.
    int checked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (picture.pixel(x, y) != qRgb(0, 0, 0))
                continue;
            QCOMPARE(window.floors().floor(1).image.pixel(overviewCell(0) + QPoint(x, y)), qRgb(255, 255, 255));
            ++checked;
        }
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(TestRasterModes)
#include "tst_rastermodes.moc"
