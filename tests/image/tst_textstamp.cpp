#include "image/TextStamp.h"

#include <QtTest>

namespace {
// A background of many colours, so a painted background would show anywhere.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, ((x + y) * 11) % 256));
    return image;
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

class TestTextStamp : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestTextStamp)
#include "tst_textstamp.moc"
