#include "fileio/LoadDrawing.h"
#include "image/BmpFile.h"
#include "image/FloorStrips.h"
#include "image/Twips.h"
#include "plan/Plan.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QGuiApplication>
#include <QtTest>

namespace {
// What was on screen before the load: one distinct colour per floor.
QRgb mark(int floor)
{
    return qRgb(10 * floor, 20 * floor, 30 * floor);
}

QImage floorPicture(int width, QRgb background, QPoint mark, QRgb markColour)
{
    QImage image = filled(width, background);
    image.setPixel(mark, markColour);
    return image;
}
} // namespace

// A drawing's floors side by side in one picture, and loaded back by cutting it.
class TestLoadDrawing : public QObject {
    Q_OBJECT
private slots:
    // A picture holds as many floors as it is canvas widths wide, at 350 and at
    // 470 pixels; any other width is refused with the width to set.
    void load_data()
    {
        QTest::addColumn<int>("canvas");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name"); // empty: the file dialog was cancelled
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("floorsLoaded");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message"); // %1: the file
        const auto bmp = [](int width, int height) { return encodeBmp24(patterned(width, height)); };
        const QString fits = QStringLiteral(".Fout bij het laden... stel de breedte van het tekenveld in op %1 pixels, onder Extra / Configuratie...");
        const QString broken = QStringLiteral("Fout bij het laden van %1!");
        const QString one = QStringLiteral("Begane grond geladen.");
        const QString two = QStringLiteral("Begane grond en 1e verdieping geladen.");
        const QString three = QStringLiteral("Begane grond, 1e en 2e verdieping geladen.");
        QTest::newRow("350 at 350: ground floor") << 350 << bmp(350, 455) << "plan.bmp" << true << 1 << one << "";
        QTest::newRow("700 at 350: two floors") << 350 << bmp(700, 455) << "plan.bmp" << true << 2 << two << "";
        QTest::newRow("1050 at 350: three floors") << 350 << bmp(1050, 455) << "plan.bmp" << true << 3 << three << "";
        QTest::newRow("470 at 470: ground floor") << 470 << bmp(470, 455) << "plan.bmp" << true << 1 << one << "";
        QTest::newRow("940 at 470: two floors") << 470 << bmp(940, 455) << "plan.bmp" << true << 2 << two << "";
        QTest::newRow("1410 at 470: three floors") << 470 << bmp(1410, 455) << "plan.bmp" << true << 3 << three << "";
        QTest::newRow("351 at 350") << 350 << bmp(351, 455) << "plan.bmp" << true << 0 << fits.arg(351) << "";
        QTest::newRow("470 at 350, without sound") << 350 << bmp(470, 455) << "plan.bmp" << false << 0 << fits.arg(470) << "";
        QTest::newRow("1410 at 350") << 350 << bmp(1410, 455) << "plan.bmp" << true << 0 << fits.arg(470) << "";
        QTest::newRow("350 at 470") << 470 << bmp(350, 455) << "plan.bmp" << true << 0 << fits.arg(350) << "";
        QTest::newRow("471 at 470") << 470 << bmp(471, 455) << "plan.bmp" << true << 0 << fits.arg(236) << "";
        QTest::newRow("350 x 400") << 350 << bmp(350, 400) << "plan.bmp" << true << 0 << "" << "Geen geldig formaat!";
        QTest::newRow("corrupt") << 350 << QByteArray("BM") + QByteArray(300, '\x7f') << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("empty") << 350 << QByteArray() << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("cancelled") << 350 << bmp(350, 455) << "" << true << 0 << "" << "";
    }

    void load()
    {
        QFETCH(int, canvas);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(bool, soundOn);
        QFETCH(int, floorsLoaded);
        QFETCH(QString, info);
        QFETCH(QString, message);
        TestProgram program;
        program.settings.soundOn = soundOn;
        Plan plan(canvas);
        plan.setCurrentFloor(2);
        for (int k = 1; k <= 3; ++k)
            plan.floor(k).image.fill(mark(k));
        program.writeFile("plan.bmp", bytes);

        int repaints = 0;
        LoadDrawing load(program.context, plan, [&] { ++repaints; });
        program.prompts.openAnswers << (name.isEmpty() ? QString() : program.path(name));
        load.load();

        QCOMPARE(program.prompts.fileFilters, QStringList("Dorvelin (*.Jpg, *.Bmp) (*.jpg *bmp)"));
        QCOMPARE(program.info.shown, info.isEmpty() ? QStringList() : QStringList(info));
        QCOMPARE(program.prompts.messages,
                 message.isEmpty() ? QStringList() : QStringList(message.replace("%1", QDir::toNativeSeparators(program.path(name)))));
        // A drawing of the wrong width says so with a sound as well.
        const bool mismatch = floorsLoaded == 0 && !info.isEmpty();
        QCOMPARE(program.sound.played, mismatch && soundOn ? QStringList(program.path("sounds/fout.wav")) : QStringList());
        QCOMPARE(repaints, floorsLoaded > 0 ? 1 : 0);
        const QImage file = floorsLoaded > 0 ? QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32) : QImage();
        for (int k = 1; k <= 3; ++k) {
            const QImage expected = filled(canvas, floorsLoaded == 0 ? mark(k) : qRgb(255, 255, 255));
            QCOMPARE(plan.floor(k).image, k <= floorsLoaded ? file.copy((k - 1) * canvas, 0, canvas, 455) : expected);
        }
        QCOMPARE(plan.history().canUndo(), floorsLoaded > 0);
        QCOMPARE(plan.currentFloor(), 2);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void composesSideBySide_data()
    {
        QTest::addColumn<int>("extraTwips");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::newRow("BG at 350") << 0 << 1 << QSize(350, 455);
        QTest::newRow("BG + 1e + 2e at 350") << 0 << 3 << QSize(1050, 455);
        QTest::newRow("BG + 1e + 2e at 450") << 1500 << 3 << QSize(1350, 455);
        QTest::newRow("no floors") << 0 << 0 << QSize(0, 0);
        QTest::newRow("four floors") << 0 << 4 << QSize(0, 0);
    }

    void composesSideBySide()
    {
        QFETCH(int, extraTwips);
        QFETCH(int, count);
        QFETCH(QSize, size);
        const int w = canvasWidthFor(extraTwips);
        const std::array<QImage, 3> floors{floorPicture(w, qRgb(255, 255, 255), {0, 0}, qRgb(1, 2, 3)),
                                           floorPicture(w, qRgb(200, 10, 10), {w - 1, 454}, qRgb(4, 5, 6)),
                                           floorPicture(w, qRgb(10, 10, 200), {7, 300}, qRgb(7, 8, 9))};
        const QImage composite = composeFloors(floors, count, w);
        QCOMPARE(composite.size(), size);
        for (int k = 0; k < size.width() / w; ++k) {
            const QImage strip = composite.copy(k * w, 0, w, CanvasHeight);
            QCOMPARE(strip, floors[size_t(k)]);
        }
    }

    void stretchesAFloorOfAnotherSize()
    {
        QImage narrow = filled(175);
        narrow.setPixel(100, 10, qRgb(0, 0, 0));
        const QImage composite = composeFloors({narrow, narrow, narrow}, 2, 350);
        QCOMPARE(composite.size(), QSize(700, 455));
        QCOMPARE(composite.pixel(200, 10), qRgb(0, 0, 0));
        QCOMPARE(composite.pixel(201, 10), qRgb(0, 0, 0));
        QCOMPARE(composite.pixel(100, 10), qRgb(255, 255, 255));
        QCOMPARE(composite.pixel(550, 10), qRgb(0, 0, 0));
    }

    // How many floors a loaded picture holds at the canvas width, and the
    // width suggested when it fits none.
    void widths_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("stripWidth");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("suggestion");
        QTest::newRow("350 at 350") << 350 << 350 << 1 << 350;
        QTest::newRow("700 at 350") << 700 << 350 << 2 << 350;
        QTest::newRow("1050 at 350, halved") << 1050 << 350 << 3 << 525;
        QTest::newRow("1350 at 450, a third") << 1350 << 450 << 3 << 450;
        QTest::newRow("1400 at 350: four strips") << 1400 << 350 << 0 << 467;
        QTest::newRow("500 halved") << 500 << 350 << 0 << 250;
        QTest::newRow("400 as it is") << 400 << 350 << 0 << 400;
        QTest::newRow("471 halved, half up to even") << 471 << 350 << 0 << 236;
        QTest::newRow("473 halved, half down to even") << 473 << 350 << 0 << 236;
        QTest::newRow("1051 a third, down") << 1051 << 350 << 0 << 350;
        QTest::newRow("1052 a third, up") << 1052 << 350 << 0 << 351;
        QTest::newRow("empty picture") << 0 << 350 << 0 << 0;
    }

    void widths()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, stripWidth);
        QTEST(floorCountForWidth(pictureWidth, stripWidth), "count");
        QTEST(suggestedCanvasWidth(pictureWidth), "suggestion");
    }

    void cutsStrips_data()
    {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("copiedColumns");
        QTest::newRow("second of two") << 700 << 2 << 350;
        QTest::newRow("third of three") << 1050 << 3 << 350;
        QTest::newRow("second of a short picture") << 500 << 2 << 150;
        QTest::newRow("third beyond the picture") << 700 << 3 << 0;
    }

    void cutsStrips()
    {
        QFETCH(int, pictureWidth);
        QFETCH(int, k);
        QFETCH(int, copiedColumns);
        const QImage picture = patterned(pictureWidth);
        const QImage strip = cutStrip(picture, k, 350);
        QCOMPARE(strip.size(), QSize(350, 455));
        QCOMPARE(strip.copy(0, 0, copiedColumns, CanvasHeight),
                 picture.copy((k - 1) * 350, 0, copiedColumns, CanvasHeight));
        for (int x = copiedColumns; x < 350; ++x)
            QCOMPARE(strip.pixel(x, 200), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestLoadDrawing)
#include "tst_loaddrawing.moc"
