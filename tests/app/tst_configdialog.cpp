#include "Named.h"
#include "app/ConfigDialog.h"
#include "app/MainWindow.h"
#include "drawing/magnifier/MagnifierPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
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
        QCOMPARE(dialog.HScroll2()->value(), position);
        QTEST(dialog.Label5()->text(), "label");
        QCOMPARE(program.settings.canvasExtraWidth, 300 * position);
        QCOMPARE(main.Pic(1)->width(), 350 + 20 * position);

        const int windowWidth = main.width();
        const int panelLeft = main.floorPanel()->x();
        const int oldPixels = 350 + 20 * position;
        main.floors().floor(2).image.setPixel(oldPixels - 1, 454, qRgb(0, 0, 0));
        dialog.HScroll2()->setValue(moveTo);
        const int pixels = 350 + 20 * moveTo;
        QCOMPARE(program.settings.canvasExtraWidth, 300 * moveTo);
        QCOMPARE(main.width(), windowWidth + pixels - oldPixels);
        QCOMPARE(main.floorPanel()->x(), panelLeft + pixels - oldPixels);
        QCOMPARE(dialog.Label5()->text(), QStringLiteral(" %1 pixels breed").arg(pixels));
        QCOMPARE(named<QLabel>(main, QStringLiteral("canvasWidthLabel"))->text(), QStringLiteral(" %1 pixels").arg(pixels));
        for (int f = 1; f <= 3; ++f) {
            QCOMPARE(main.Pic(f)->width(), pixels);
            QCOMPARE(main.floors().floor(f).image.width(), pixels);
        }
        if (pixels > oldPixels) {
            // The drawing keeps its pixels; the new columns are white.
            QCOMPARE(main.floors().floor(2).image.pixel(oldPixels - 1, 454), qRgb(0, 0, 0));
            QCOMPARE(main.floors().floor(2).image.pixel(pixels - 1, 454), qRgb(255, 255, 255));
        }
    }

    void zoomBar()
    {
        TestProgram program;
        ConfigDialog dialog(program.start());
        QCOMPARE(dialog.Label2()->text(), QStringLiteral("Vergroting loep 2 x"));
        dialog.HScroll1()->setValue(6);
        QCOMPARE(dialog.Label2()->text(), QStringLiteral("Vergroting loep 6 x"));
        QCOMPARE(program.window().magnifierOptions().zoom, 6);
        // The enlargement lasts for the run: the next opening shows it.
        ConfigDialog again(program.window());
        QCOMPARE(again.HScroll1()->value(), 6);
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
            QVERIFY(dialog.JpgBmp(jpgBefore ? 0 : 1)->isChecked());
            dialog.JpgBmp(choose)->click();
            QCOMPARE(program.settings.saveAsJpg, choose == 0);
            dialog.OkKnop()->click();
        }
        ConfigDialog dialog(program.window());
        QVERIFY(dialog.JpgBmp(choose)->isChecked());
        QVERIFY(!dialog.JpgBmp(1 - choose)->isChecked());
    }

    // The hairs of the magnifier follow the box, and a later opening shows the box as left.
    void hairsFollowCheckBox()
    {
        TestProgram program;
        MainWindow& main = program.start();
        MagnifierPanel* panel = main.magnifierPanel();
        const auto hairs = [panel] {
            return int(named<QFrame>(panel, QStringLiteral("magnifierVerticalHair"))->isVisibleTo(panel)) + int(named<QFrame>(panel, QStringLiteral("magnifierHorizontalHair"))->isVisibleTo(panel));
        };
        {
            ConfigDialog dialog(main);
            QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten uit"));
            QCOMPARE(hairs(), 0);
            dialog.Check1()->click();
            QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten aan"));
            QVERIFY(main.magnifierOptions().coordinatesOn);
            QCOMPARE(hairs(), 2);
        }
        ConfigDialog dialog(main);
        QVERIFY(dialog.Check1()->isChecked());
        QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten aan"));
        dialog.Check1()->click();
        QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten uit"));
        QVERIFY(!main.magnifierOptions().coordinatesOn);
        QCOMPARE(hairs(), 0);
    }

    // Opened from its menu, the dialog plays its sound and is discarded when it closes.
    void openingSound()
    {
        TestProgram program;
        MainWindow& main = program.start();
        bool shown = false;
        QTimer::singleShot(0, &main, [&] {
            auto* dialog = main.findChild<ConfigDialog*>();
            shown = dialog != nullptr;
            if (dialog)
                dialog->OkKnop()->click();
        });
        main.menus().ExtraConfig->trigger();
        QVERIFY(shown);
        QCOMPARE(program.sound.played, QStringList{program.path(QStringLiteral("sounds/space.wav"))});
        QVERIFY(!main.findChild<ConfigDialog*>());
    }
};

QTEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
