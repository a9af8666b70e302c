#include "Named.h"
#include "app/ConfigDialog.h"
#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {
QByteArray settings(bool saveAsJpg, int extraWidth)
{
    return QByteArray("\"Rimbano\"\r\n0,0,0\r\n") + (saveAsJpg ? "#TRUE#" : "#FALSE#")
        + "\r\n#TRUE#\r\n" + QByteArray::number(extraWidth) + "\r\n";
}
} // namespace

class TestConfigDialog : public QObject {
    Q_OBJECT
private slots:
    // The bar opens on the width read at the start, off-grid widths on the
    // nearest step (halves to even); moving it widens the window and every floor.
    void widthBar_data()
    {
        QTest::addColumn<int>("fileWidth");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("moveTo");
        QTest::newRow("base") << 0 << 0 << " 350 pixels breed" << 1;
        QTest::newRow("widest, narrowed") << 1800 << 6 << " 470 pixels breed" << 3;
        QTest::newRow("1.5 steps") << 450 << 2 << " 390 pixels breed" << 6;
        QTest::newRow("2.5 steps") << 750 << 2 << " 390 pixels breed" << 3;
        QTest::newRow("3.5 steps") << 1050 << 4 << " 430 pixels breed" << 5;
    }

    void widthBar()
    {
        QFETCH(int, fileWidth);
        QFETCH(int, position);
        QFETCH(int, moveTo);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), settings(true, fileWidth));
        MainWindow& main = program.start();
        ConfigDialog dialog(main);
        QCOMPARE(named<QScrollBar>(dialog, QStringLiteral("canvasWidthBar"))->value(), position);
        QTEST(named<QLabel>(dialog, QStringLiteral("canvasWidthText"))->text(), "label");
        QCOMPARE(program.settings.canvasExtraWidth, 300 * position);
        QCOMPARE(named<CanvasWidget>(main, QStringLiteral("floorCanvas"), 1)->width(), 350 + 20 * position);

        const int windowWidth = main.width();
        const int panelLeft = named<FloorPanel>(main, QStringLiteral("floorPanel"))->x();
        const int oldPixels = 350 + 20 * position;
        main.plan().floor(2).image.setPixel(oldPixels - 1, 454, qRgb(0, 0, 0));
        named<QScrollBar>(dialog, QStringLiteral("canvasWidthBar"))->setValue(moveTo);
        const int pixels = 350 + 20 * moveTo;
        QCOMPARE(program.settings.canvasExtraWidth, 300 * moveTo);
        QCOMPARE(main.width(), windowWidth + pixels - oldPixels);
        QCOMPARE(named<FloorPanel>(main, QStringLiteral("floorPanel"))->x(), panelLeft + pixels - oldPixels);
        QCOMPARE(named<QLabel>(dialog, QStringLiteral("canvasWidthText"))->text(), QStringLiteral(" %1 pixels breed").arg(pixels));
        QCOMPARE(named<QLabel>(main, QStringLiteral("canvasWidthLabel"))->text(), QStringLiteral(" %1 pixels").arg(pixels));
        for (int f = 1; f <= 3; ++f) {
            QCOMPARE(named<CanvasWidget>(main, QStringLiteral("floorCanvas"), f)->width(), pixels);
            QCOMPARE(main.plan().floor(f).image.width(), pixels);
        }
        if (pixels > oldPixels) {
            // The drawing keeps its pixels; the new columns are white.
            QCOMPARE(main.plan().floor(2).image.pixel(oldPixels - 1, 454), qRgb(0, 0, 0));
            QCOMPARE(main.plan().floor(2).image.pixel(pixels - 1, 454), qRgb(255, 255, 255));
        }
    }

    // The format chosen is in effect at once and shown at the next opening;
    // that it is written at exit and read at the next start is checked end to end.
    void formatChoice_data()
    {
        QTest::addColumn<bool>("jpgBefore");
        QTest::addColumn<int>("choose");
        QTest::newRow("to Bmp") << true << 1;
        QTest::newRow("to Jpg") << false << 0;
    }

    void formatChoice()
    {
        QFETCH(bool, jpgBefore);
        QFETCH(int, choose);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), settings(jpgBefore, 0));
        {
            ConfigDialog dialog(program.start());
            QVERIFY(named<QRadioButton>(dialog, QStringLiteral("saveFormatButton"), jpgBefore ? 0 : 1)->isChecked());
            named<QRadioButton>(dialog, QStringLiteral("saveFormatButton"), choose)->click();
            QCOMPARE(program.settings.saveAsJpg, choose == 0);
            named<QPushButton>(dialog, QStringLiteral("configurationOkButton"))->click();
        }
        ConfigDialog dialog(program.window());
        QVERIFY(named<QRadioButton>(dialog, QStringLiteral("saveFormatButton"), choose)->isChecked());
        QVERIFY(!named<QRadioButton>(dialog, QStringLiteral("saveFormatButton"), 1 - choose)->isChecked());
    }

    // The magnifier's enlargement and hairs: the hairs follow the box, and both
    // last the run, so a later opening shows them as left.
    void magnifierOptions()
    {
        TestProgram program;
        MainWindow& main = program.start();
        auto* panel = named<QFrame>(main, QStringLiteral("magnifierPanel"));
        const auto hairs = [panel] {
            return int(named<QFrame>(panel, QStringLiteral("magnifierVerticalHair"))->isVisibleTo(panel)) + int(named<QFrame>(panel, QStringLiteral("magnifierHorizontalHair"))->isVisibleTo(panel));
        };
        {
            ConfigDialog dialog(main);
            QCOMPARE(named<QLabel>(dialog, QStringLiteral("magnifierZoomText"))->text(), QStringLiteral("Vergroting loep 2 x"));
            named<QScrollBar>(dialog, QStringLiteral("magnifierZoomBar"))->setValue(6);
            QCOMPARE(named<QLabel>(dialog, QStringLiteral("magnifierZoomText"))->text(), QStringLiteral("Vergroting loep 6 x"));
            QCOMPARE(main.magnifierOptions().zoom, 6);
            QCOMPARE(named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->text(), QStringLiteral("Loepcoördinaten uit"));
            QCOMPARE(hairs(), 0);
            named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->click();
            QCOMPARE(named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->text(), QStringLiteral("Loepcoördinaten aan"));
            QVERIFY(main.magnifierOptions().coordinatesOn);
            QCOMPARE(hairs(), 2);
        }
        ConfigDialog dialog(main);
        QCOMPARE(named<QScrollBar>(dialog, QStringLiteral("magnifierZoomBar"))->value(), 6);
        QVERIFY(named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->isChecked());
        QCOMPARE(named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->text(), QStringLiteral("Loepcoördinaten aan"));
        named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->click();
        QCOMPARE(named<QCheckBox>(dialog, QStringLiteral("magnifierHairsCheck"))->text(), QStringLiteral("Loepcoördinaten uit"));
        QVERIFY(!main.magnifierOptions().coordinatesOn);
        QCOMPARE(hairs(), 0);
    }
};

QTEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
