#include "image/FloorStrips.h"
#include "image/Twips.h"
#include "support/PictureCompare.h"

#include <QtTest>

namespace {
QImage floorPicture(int width, QRgb background, QPoint mark, QRgb markColour)
{
    QImage image = filled(width, background);
    image.setPixel(mark, markColour);
    return image;
}
} // namespace

class TestFloorStrips : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestFloorStrips)
#include "tst_floorstrips.moc"
