#include "support/DrawingRig.h"

#include "image/FloodFill.h"

#include <QTest>

class TestFloodFill : public QObject {
    Q_OBJECT
private slots:
    void borderColours_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("border");
        QTest::newRow("two steps off on every channel") << qRgb(2, 2, 2) << true;
        QTest::newRow("uneven rounding") << qRgb(1, 0, 2) << true;
        QTest::newRow("three on red") << qRgb(3, 0, 0) << false;
    }

    void borderColours()
    {
        QFETCH(QRgb, pixel);
        QFETCH(bool, border);
        QCOMPARE(isFillBorder(pixel), border);
    }

    void fills_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QPoint>("seed");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QRect>("changed");
        QTest::addColumn<int>("count");
        QTest::newRow("closed room")
            << QStringList{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."} << QPoint(3, 2)
            << QStringList{".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."} << QRect(2, 2, 3, 2) << 6;
        QTest::newRow("walls a JPG rounded off black still hold")
            << QStringList{".......", ".kknnk.", ".k...n.", ".n...k.", ".kkknn.", "......."} << QPoint(2, 3)
            << QStringList{".......", ".kknnk.", ".krrrn.", ".nrrrk.", ".kkknn.", "......."} << QRect(2, 2, 3, 2) << 6;
        QTest::newRow("leaks through a dark grey wall pixel")
            << QStringList{".......", ".#####.", ".#...g.", ".#...#.", ".#####.", "......."} << QPoint(3, 3)
            << QStringList{"rrrrrrr", "r#####r", "r#rrrrr", "r#rrr#r", "r#####r", "rrrrrrr"} << QRect(0, 0, 7, 6) << 29;
        QTest::newRow("started on black fills nothing")
            << QStringList{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."} << QPoint(1, 1)
            << QStringList{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."} << QRect() << 0;
        QTest::newRow("started outside the picture fills nothing")
            << QStringList{"....", "...."} << QPoint(4, 0) << QStringList{"....", "...."} << QRect() << 0;
        QTest::newRow("outside the room up to the picture's edges")
            << QStringList{".......", ".#####.", ".#...#.", ".#####.", "......."} << QPoint(0, 0)
            << QStringList{"rrrrrrr", "r#####r", "r#...#r", "r#####r", "rrrrrrr"} << QRect(0, 0, 7, 5) << 20;
        QTest::newRow("a room against the edge is closed by it")
            << QStringList{"...#...", "...#...", "####...", "......."} << QPoint(0, 0)
            << QStringList{"rrr#...", "rrr#...", "####...", "......."} << QRect(0, 0, 3, 2) << 6;
        QTest::newRow("no leak through a diagonal gap")
            << QStringList{"..#...", "..#...", "...#..", "...#.."} << QPoint(0, 0)
            << QStringList{"rr#...", "rr#...", "rrr#..", "rrr#.."} << QRect(0, 0, 3, 4) << 10;
        QTest::newRow("repaints an area already in the fill colour")
            << QStringList{"rr#..", "r.#..", "rr#.."} << QPoint(1, 1)
            << QStringList{"rr#..", "rr#..", "rr#.."} << QRect(0, 0, 2, 3) << 6;
        QTest::newRow("goes on through pixels already in the fill colour")
            << QStringList{"..#..", "..r..", "..#.."} << QPoint(0, 0)
            << QStringList{"rr#rr", "rrrrr", "rr#rr"} << QRect(0, 0, 5, 3) << 13;
        QTest::newRow("fills over other colours")
            << QStringList{"b.m#.", "Mbb#."} << QPoint(0, 0) << QStringList{"rrr#.", "rrr#."} << QRect(0, 0, 3, 2) << 6;
    }

    void fills()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, seed);
        QFETCH(QStringList, after);
        QFETCH(QRect, changed);
        QFETCH(int, count);
        QImage image = pixelArt(before);
        qsizetype filled = -1;
        QCOMPARE(floodFill(image, seed, qRgb(255, 0, 0), &filled), changed);
        QCOMPARE(pixelArtOf(image), after);
        QCOMPARE(filled, qsizetype(count));
    }

    void blackFillBecomesBorder()
    {
        QImage image = pixelArt({"..#...", "..#...", "..#..."});
        floodFill(image, QPoint(0, 0), qRgb(0, 0, 0));
        QCOMPARE(pixelArtOf(image), (QStringList{"###...", "###...", "###..."}));
        QCOMPARE(floodFill(image, QPoint(5, 1), qRgb(255, 0, 0)), QRect(3, 0, 3, 3));
        QCOMPARE(pixelArtOf(image), (QStringList{"###rrr", "###rrr", "###rrr"}));
    }

    void wholeEmptyCanvas()
    {
        QImage image = filled(470);
        qsizetype count = 0;
        QCOMPARE(floodFill(image, QPoint(200, 300), qRgb(0, 0, 255), &count), QRect(0, 0, 470, 455));
        QCOMPARE(count, qsizetype(470 * 455));
        QCOMPARE(image, filled(470, qRgb(0, 0, 255)));
    }
};

QTEST_GUILESS_MAIN(TestFloodFill)
#include "tst_floodfill.moc"
