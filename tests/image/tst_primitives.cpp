#include "support/DrawingRig.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"

#include <QtTest>

namespace {
// The smallest rectangle holding every pixel that differs between a and b.
QRect differences(const QImage& a, const QImage& b)
{
    QRect rect;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                rect |= QRect(x, y, 1, 1);
    }
    return rect;
}

QFont arial(int points, bool bold = false, bool italic = false, bool underline = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
} // namespace

Q_DECLARE_METATYPE(Pen)

// Lines, boxes, points and text stamped into a picture, pixel for pixel.
class TestPrimitives : public QObject {
    Q_OBJECT
private slots:
    // Each shape drawn in black on white; the rectangle reported as changed is
    // exactly what changed.
    void shapes_data()
    {
        QTest::addColumn<char>("kind"); // Line, Box, Filled box, Point at (3, 3)
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<Pen>("pen");
        QTest::addColumn<QStringList>("expected");
        const QString empty = QStringLiteral("..........");
        QTest::newRow("line: level, both ends drawn") << 'L' << QPoint(1, 2) << QPoint(8, 2) << Pen{1, false, false}
            << QStringList{"..........", "..........", ".########.", "..........", ".........."};
        QTest::newRow("line: level, right to left") << 'L' << QPoint(8, 2) << QPoint(1, 2) << Pen{1, false, false}
            << QStringList{"..........", "..........", ".########.", "..........", ".........."};
        QTest::newRow("line: plumb") << 'L' << QPoint(4, 0) << QPoint(4, 3) << Pen{1, false, false}
            << QStringList{"....#.....", "....#.....", "....#.....", "....#.....", ".........."};
        QTest::newRow("line: diagonal") << 'L' << QPoint(0, 0) << QPoint(4, 4) << Pen{1, false, false}
            << QStringList{"#.........", ".#........", "..#.......", "...#......", "....#....."};
        QTest::newRow("line: shallow slope, one pixel a column") << 'L' << QPoint(0, 0) << QPoint(9, 3) << Pen{1, false, false}
            << QStringList{"##........", "..###.....", ".....###..", "........##", ".........."};
        QTest::newRow("line: zero length draws nothing") << 'L' << QPoint(3, 2) << QPoint(3, 2) << Pen{1, false, false}
            << QStringList{"..........", "..........", "..........", "..........", ".........."};
        QTest::newRow("line: zero length draws nothing at width 3") << 'L' << QPoint(3, 2) << QPoint(3, 2) << Pen{3, false, false}
            << QStringList{"..........", "..........", "..........", "..........", ".........."};
        QTest::newRow("line: dotted, two on two off") << 'L' << QPoint(0, 1) << QPoint(9, 1) << Pen{1, true, false}
            << QStringList{"..........", "##..##..##", "..........", "..........", ".........."};
        QTest::newRow("line: width 2 grows right and down") << 'L' << QPoint(2, 1) << QPoint(6, 1) << Pen{2, false, false}
            << QStringList{"..........", "..######..", "..######..", "..........", ".........."};
        QTest::newRow("line: width 3 plumb") << 'L' << QPoint(4, 1) << QPoint(4, 3) << Pen{3, false, false}
            << QStringList{"...###....", "...###....", "...###....", "...###....", "...###...."};
        QTest::newRow("line: width 5, round ends") << 'L' << QPoint(3, 2) << QPoint(6, 2) << Pen{5, false, false}
            << QStringList{"..######..", ".########.", ".########.", ".########.", "..######.."};
        QTest::newRow("line: clipped at the edges") << 'L' << QPoint(-3, 4) << QPoint(20, 4) << Pen{1, false, false}
            << QStringList{"..........", "..........", "..........", "..........", "##########"};
        QTest::newRow("box: both corners inclusive") << 'B' << QPoint(1, 1) << QPoint(6, 4) << Pen{1, false, false}
            << QStringList{empty, ".######...", ".#....#...", ".#....#...", ".######...", empty, empty};
        QTest::newRow("box: corners in any order") << 'B' << QPoint(6, 1) << QPoint(1, 4) << Pen{1, false, false}
            << QStringList{empty, ".######...", ".#....#...", ".#....#...", ".######...", empty, empty};
        QTest::newRow("box: one column") << 'B' << QPoint(3, 1) << QPoint(3, 4) << Pen{1, false, false}
            << QStringList{empty, "...#......", "...#......", "...#......", "...#......", empty, empty};
        QTest::newRow("box: width 3 grows to both sides, square corners") << 'B' << QPoint(2, 1) << QPoint(7, 5) << Pen{3, false, false}
            << QStringList{".########.", ".########.", ".########.", ".###..###.", ".########.", ".########.", ".########."};
        QTest::newRow("box: width 3 on a short box leaves no hole") << 'B' << QPoint(2, 1) << QPoint(7, 4) << Pen{3, false, false}
            << QStringList{".########.", ".########.", ".########.", ".########.", ".########.", ".########.", empty};
        QTest::newRow("box: dotted runs on round the corners") << 'B' << QPoint(0, 0) << QPoint(4, 3) << Pen{1, true, false}
            << QStringList{"##..#.....", "#...#.....", "#.........", "..##......", empty, empty, empty};
        QTest::newRow("box: dotted shows only at width 1") << 'B' << QPoint(2, 1) << QPoint(7, 5) << Pen{3, true, false}
            << QStringList{".########.", ".########.", ".########.", ".###..###.", ".########.", ".########.", ".########."};
        QTest::newRow("fill: inside") << 'F' << QPoint(1, 1) << QPoint(3, 2) << Pen{1, false, false}
            << QStringList{"......", ".###..", ".###..", "......"};
        QTest::newRow("fill: corners reversed") << 'F' << QPoint(3, 2) << QPoint(1, 1) << Pen{1, false, false}
            << QStringList{"......", ".###..", ".###..", "......"};
        QTest::newRow("fill: over the bottom right edge") << 'F' << QPoint(4, 2) << QPoint(40, 40) << Pen{1, false, false}
            << QStringList{"......", "......", "....##", "....##"};
        QTest::newRow("fill: over the top left edge") << 'F' << QPoint(-5, -5) << QPoint(0, 1) << Pen{1, false, false}
            << QStringList{"#.....", "#.....", "......", "......"};
        QTest::newRow("fill: wholly outside") << 'F' << QPoint(7, 0) << QPoint(9, 3) << Pen{1, false, false}
            << QStringList{"......", "......", "......", "......"};
        QTest::newRow("point: one pixel") << 'P' << QPoint(3, 3) << QPoint(3, 3) << Pen{1, false, false}
            << QStringList{".......", ".......", ".......", "...#...", ".......", ".......", "......."};
        QTest::newRow("point: width 3") << 'P' << QPoint(3, 3) << QPoint(3, 3) << Pen{3, false, false}
            << QStringList{".......", ".......", "..###..", "..###..", "..###..", ".......", "......."};
        QTest::newRow("point: width 5 is round") << 'P' << QPoint(3, 3) << QPoint(3, 3) << Pen{5, false, false}
            << QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."};
        QTest::newRow("point: inverted") << 'P' << QPoint(3, 3) << QPoint(3, 3) << Pen{3, false, true}
            << QStringList{".......", ".......", "..###..", "..###..", "..###..", ".......", "......."};
    }

    void shapes()
    {
        QFETCH(char, kind);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(Pen, pen);
        QFETCH(QStringList, expected);
        QImage image = filled(int(expected.first().size()), qRgb(255, 255, 255), int(expected.size()));
        const QImage before = image;
        const QRgb black = qRgb(0, 0, 0);
        const QRect changed = kind == 'L' ? drawLine(image, from, to, black, pen)
            : kind == 'B'                 ? drawBox(image, from, to, black, pen)
            : kind == 'F'                 ? fillBox(image, from, to, black)
                                          : drawPoint(image, from, black, pen);
        QCOMPARE(pixelArtOf(image), expected);
        QCOMPARE(changed, differences(before, image));
    }

    void invertTouchesEachPixelOnce_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("dotted");

        for (int width = 1; width <= 6; ++width) {
            QTest::addRow("steep, width %d", width) << QPoint(5, 2) << QPoint(9, 17) << width << false;
            QTest::addRow("shallow, width %d", width) << QPoint(18, 3) << QPoint(2, 9) << width << false;
            QTest::addRow("level, width %d", width) << QPoint(3, 10) << QPoint(16, 10) << width << false;
        }
        QTest::newRow("dotted diagonal") << QPoint(1, 1) << QPoint(17, 17) << 1 << true;
    }

    // The rubber band of the line tool relies on this: inverting every covered
    // pixel exactly once, so a second draw restores the picture.
    void invertTouchesEachPixelOnce()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, width);
        QFETCH(bool, dotted);

        QImage shape = filled(20, qRgb(255, 255, 255), 20);
        drawLine(shape, from, to, qRgb(0, 0, 0), Pen{width, dotted, false});

        QImage image = filled(20, qRgb(64, 128, 192), 20);
        const QImage original = image;
        const Pen invert{width, dotted, true};
        const QRect changed = drawLine(image, from, to, qRgb(255, 0, 0), invert);
        int covered = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inShape = shape.pixel(x, y) == qRgb(0, 0, 0);
                covered += inShape;
                QCOMPARE(image.pixel(x, y), inShape ? qRgb(191, 127, 63) : qRgb(64, 128, 192));
            }
        }
        QVERIFY(covered > 0);
        QCOMPARE(changed, differences(original, image));

        drawLine(image, from, to, qRgb(255, 0, 0), invert);
        QCOMPARE(image, original);
    }

    void onlyGlyphPixelsChange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("plain 10") << "Keuken " << arial(10) << QPoint(20, 30);
        QTest::newRow("bold 14") << "Hallo " << arial(14, true) << QPoint(5, 5);
        QTest::newRow("italic underline 20") << "Woonkamer" << arial(20, false, true, true) << QPoint(40, 60);
        QTest::newRow("digits 8") << "3.60 m" << arial(8) << QPoint(100, 100);
    }

    void onlyGlyphPixelsChange()
    {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFETCH(QPoint, at);
        const QImage before = patterned(300, 200);
        QImage image = before;
        const QRect changed = drawText(image, at, text, font, qRgb(255, 0, 0));

        // The same text on a fully transparent layer marks exactly the glyph pixels.
        QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        drawText(layer, at, text, font, qRgb(255, 0, 0));

        int glyphPixels = 0;
        QRect touched;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool glyph = qAlpha(layer.pixel(x, y)) > 0;
                glyphPixels += glyph ? 1 : 0;
                if (!glyph)
                    QCOMPARE(image.pixel(x, y), before.pixel(x, y));
                if (image.pixel(x, y) != before.pixel(x, y))
                    touched |= QRect(x, y, 1, 1);
            }
        }
        // The layer is drawn by the code under test too: a text that filled its
        // whole box would mark every pixel there as glyph, so the glyphs leave gaps.
        QVERIFY(glyphPixels > 20);
        QVERIFY(glyphPixels < touched.width() * touched.height() * 4 / 5);
        QVERIFY(changed.contains(touched));
        // The text hangs from its top-left corner: nothing above it, nothing far to its left.
        QVERIFY(touched.top() >= at.y());
        QVERIFY(touched.left() >= at.x() - 2);
        QVERIFY(touched.top() <= at.y() + QFontMetrics(font).ascent());
    }

    void clippedAtEdges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("text");
        QTest::newRow("over the top-left") << QPoint(-15, -6) << "Badkamer";
        QTest::newRow("over the bottom-right") << QPoint(40, 45) << "Badkamer";
        QTest::newRow("wholly outside") << QPoint(500, 500) << "Badkamer";
        QTest::newRow("empty text") << QPoint(5, 5) << "";
    }

    void clippedAtEdges()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, text);
        QImage image(60, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRect changed = drawText(image, at, text, arial(12), qRgb(0, 0, 0));
        QVERIFY(image.rect().contains(changed) || changed.isEmpty());
        QCOMPARE(changed.isEmpty(), text.isEmpty() || at.x() >= 60);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    QVERIFY(changed.contains(x, y));
        }
    }
};

QTEST_MAIN(TestPrimitives)
#include "tst_primitives.moc"
