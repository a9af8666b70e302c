#include "image/FloodFill.h"
#include "image/RasterOp.h"
#include "support/DrawingRig.h"

#include <QtTest>

Q_DECLARE_METATYPE(RasterOp)

namespace {
// A plan pixel that is neither white nor black, so every bit rule shows.
constexpr QRgb PlanPixel = 0xFF336699;
} // namespace

class TestRasterOp : public QObject {
    Q_OBJECT
private slots:
    void codesFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<RasterOp>("op");
        QTest::newRow("Merge paint") << "&HBB0226" << true << RasterOp::MergePaint;
        QTest::newRow("lower case") << "&h8800c6" << true << RasterOp::And;
        QTest::newRow("no prefix") << "8800C6" << false << RasterOp::And;
        QTest::newRow("other code") << "&H000042" << false << RasterOp::And;
        QTest::newRow("not hex") << "&HXYZ" << false << RasterOp::And;
        QTest::newRow("empty") << "" << false << RasterOp::And;
    }

    void codesFromText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(RasterOp, op);
        const std::optional<RasterOp> parsed = rasterOpFromText(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, op);
    }

    void sixCodes_data()
    {
        QTest::addColumn<RasterOp>("op");
        QTest::addColumn<QRgb>("source");
        QTest::addColumn<QRgb>("expected");
        const QRgb white = 0xFFFFFFFF, black = 0xFF000000, colour = 0xFFF0A050;
        QTest::newRow("And white") << RasterOp::And << white << 0xFF336699u;
        QTest::newRow("And black") << RasterOp::And << black << 0xFF000000u;
        QTest::newRow("And colour") << RasterOp::And << colour << 0xFF302010u;
        QTest::newRow("Copy white") << RasterOp::Copy << white << 0xFFFFFFFFu;
        QTest::newRow("Copy black") << RasterOp::Copy << black << 0xFF000000u;
        QTest::newRow("Copy colour") << RasterOp::Copy << colour << 0xFFF0A050u;
        QTest::newRow("MergePaint white") << RasterOp::MergePaint << white << 0xFF336699u;
        QTest::newRow("MergePaint black") << RasterOp::MergePaint << black << 0xFFFFFFFFu;
        QTest::newRow("MergePaint colour") << RasterOp::MergePaint << colour << 0xFF3F7FBFu;
        QTest::newRow("NotCopy white") << RasterOp::NotCopy << white << 0xFF000000u;
        QTest::newRow("NotCopy black") << RasterOp::NotCopy << black << 0xFFFFFFFFu;
        QTest::newRow("NotCopy colour") << RasterOp::NotCopy << colour << 0xFF0F5FAFu;
        QTest::newRow("Invert white") << RasterOp::Invert << white << 0xFFCC9966u;
        QTest::newRow("Invert black") << RasterOp::Invert << black << 0xFF336699u;
        QTest::newRow("Invert colour") << RasterOp::Invert << colour << 0xFFC3C6C9u;
        QTest::newRow("Paint white") << RasterOp::Paint << white << 0xFFFFFFFFu;
        QTest::newRow("Paint black") << RasterOp::Paint << black << 0xFF336699u;
        QTest::newRow("Paint colour") << RasterOp::Paint << colour << 0xFFF3E6D9u;
    }

    // Only the one pixel under the picture changes, and only where the picture
    // is at least half opaque.
    void sixCodes()
    {
        QFETCH(RasterOp, op);
        QFETCH(QRgb, source);
        QFETCH(QRgb, expected);
        for (const int alpha : {0, 127, 128, 255}) {
            QImage target = filled(4, PlanPixel, 4);
            QImage picture(1, 1, QImage::Format_ARGB32);
            picture.fill(QColor(qRed(source), qGreen(source), qBlue(source), alpha));
            const QRect changed = blitRaster(target, picture, QPoint(2, 1), op);
            QCOMPARE(changed, QRect(2, 1, 1, 1));
            QCOMPARE(target.pixel(2, 1), alpha >= 128 ? expected : PlanPixel);
            for (const QPoint p : {QPoint(1, 1), QPoint(3, 1), QPoint(2, 0), QPoint(2, 2)})
                QCOMPARE(target.pixel(p), PlanPixel);
        }
    }

    void clippedAtEdges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("covered");
        QTest::newRow("inside") << QPoint(1, 1) << QRect(1, 1, 3, 3);
        QTest::newRow("over top-left") << QPoint(-2, -1) << QRect(0, 0, 1, 2);
        QTest::newRow("over bottom-right") << QPoint(3, 4) << QRect(3, 4, 2, 1);
        QTest::newRow("wholly outside") << QPoint(-3, 2) << QRect();
        QTest::newRow("past the right") << QPoint(5, 0) << QRect();
    }

    void clippedAtEdges()
    {
        QFETCH(QPoint, at);
        QFETCH(QRect, covered);
        QImage target = filled(5, qRgb(255, 255, 255), 5);
        QImage picture(3, 3, QImage::Format_ARGB32);
        picture.fill(Qt::black);
        QCOMPARE(blitRaster(target, picture, at, RasterOp::Copy), covered);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                QCOMPARE(target.pixel(x, y) == qRgb(0, 0, 0), covered.contains(x, y));
    }

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

QTEST_GUILESS_MAIN(TestRasterOp)
#include "tst_rasterop.moc"
