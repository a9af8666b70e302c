#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/ToolPanel.h"
#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"
#include "image/LibraryOverview.h"
#include "image/PictureLibrary.h"
#include "image/RasterOp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(RasterOp)

namespace {
constexpr QRgb Background = qRgb(227, 237, 200);

QImage scribbled(QImage image)
{
    for (int i = 0; i < 100; ++i)
        image.setPixel(3 * i, 4 * i, qRgb(255, 0, i));
    return image;
}
} // namespace

class TestOverview : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<QString>("rasterOp");
        QTest::newRow("0") << 0 << QPoint(5, 2) << "&H8800C6";
        QTest::newRow("9") << 9 << QPoint(311, 2) << "&H8800C6";
        QTest::newRow("19") << 19 << QPoint(311, 34) << "&H8800C6";
        QTest::newRow("139") << 139 << QPoint(311, 418) << "&H8800C6";
        QTest::newRow("45 not copy") << 45 << QPoint(175, 130) << "&H330008";
        QTest::newRow("121 merge paint") << 121 << QPoint(39, 386) << "&HBB0226";
    }

    void cells()
    {
        QFETCH(int, index);
        QFETCH(QPoint, corner);
        QFETCH(QString, rasterOp);
        TestProgram program;
        program.prompts.yesNoAnswers << true;
        MainWindow& window = program.start();
        program.state.RasterOpText = rasterOp;
        window.toolPanel()->Knop(20)->click();

        const QImage picture = window.library().picture(index);
        QVERIFY2(!picture.isNull(), "library picture missing");
        const RasterOp op = *rasterOpFromText(rasterOp);
        const QImage& floor = window.floors().floor(1).image;
        int marked = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb s = picture.pixel(x, y);
                const QRgb expected = qAlpha(s) < 128 ? Background : combineRaster(s, Background, op);
                QCOMPARE(floor.pixel(corner + QPoint(x, y)), expected);
                marked += expected != Background ? 1 : 0;
            }
        }
        // A picture that left its cell untouched would prove nothing about where it went.
        QVERIFY(marked > 0);
    }

    void emptyCellsAndMargins_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::newRow("cell 99") << QRect(overviewCell(99), QSize(32, 32));
        QTest::newRow("cells 6 to 8") << QRect(overviewCell(6), QSize(3 * 34, 32));
        QTest::newRow("cells 140 and after") << QRect(0, 450, 350, 5);
        QTest::newRow("left margin") << QRect(0, 0, 5, 455);
        QTest::newRow("right of the grid") << QRect(343, 0, 7, 455);
    }

    void emptyCellsAndMargins()
    {
        QFETCH(QRect, area);
        TestProgram program;
        program.prompts.yesNoAnswers << true;
        MainWindow& window = program.start();
        window.toolPanel()->Knop(20)->click();
        const QImage& floor = window.floors().floor(1).image;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                QCOMPARE(floor.pixel(x, y), Background);
        }
    }

    void answer_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces only the shown floor") << true;
        QTest::newRow("No leaves the drawing") << false;
    }

    void answer()
    {
        QFETCH(bool, yes);
        TestProgram program;
        program.prompts.yesNoAnswers << yes;
        MainWindow& window = program.start();
        window.floorSwitcher().chooseFloor(2);
        Floors& floors = window.floors();
        for (int f = 1; f <= 3; ++f)
            floors.floor(f).image = scribbled(floors.floor(f).image);
        const QImage before = floors.floor(1).image;
        const QImage undo = scribbled(floors.PicTotaal);
        floors.PicTotaal = undo;
        window.toolPanel()->Knop(9)->click();

        window.toolPanel()->Knop(20)->click();
        QCOMPARE(program.prompts.questions, QStringList{QStringLiteral(" Show|Bestaande plattegrond wordt verwijderd!")});
        QCOMPARE(floors.floor(2).image.pixel(3, 4), yes ? Background : qRgb(255, 0, 1)); // the scribble
        QCOMPARE(floors.floor(1).image, before);
        QCOMPARE(floors.floor(3).image, before);
        // Not a drawing step: the undo snapshot stays what it was.
        QCOMPARE(floors.PicTotaal, undo);
        const QString heading = yes ? QStringLiteral("Show alles") : QStringLiteral("Tools");
        QCOMPARE(window.BewerkingsLabel(1)->text(), heading);
        QCOMPARE(window.BewerkingsLabel(2)->text(), heading);
        QCOMPARE(program.state.CurrentTool, quint8(20));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
