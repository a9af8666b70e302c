#include "Named.h"
#include "app/MainWindow.h"
#include "drawing/ShowMenu.h"
#include "drawing/magnifier/Magnifier.h"
#include "drawing/magnifier/MagnifierSource.h"
#include "drawing/magnifier/MagnifierView.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QPainter>
#include <QtTest>

namespace {
const QRgb Grey64 = qRgb(64, 64, 64);
} // namespace

class TestMagnifier : public QObject {
    Q_OBJECT
private slots:
    void sourceRect_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QRect>("expected");
        const QPoint p(500, 400);
        const QSize panel(101, 101);
        QTest::newRow("zoom 1: natural size") << p << panel << 1 << 0 << QRect(450, 350, 101, 101);
        QTest::newRow("zoom 2: 50.5 to 50") << p << panel << 2 << 0 << QRect(475, 375, 50, 50);
        QTest::newRow("zoom 3: 33.7 to 34") << p << panel << 3 << 0 << QRect(483, 383, 34, 34);
        QTest::newRow("zoom 6: 16.8 to 17") << p << panel << 6 << 0 << QRect(492, 392, 17, 17);
        QTest::newRow("zoom 6, symbol tool") << p << panel << 6 << 34 << QRect(526, 426, 17, 17);
        QTest::newRow("52.5 rounds to even 52") << p << QSize(105, 107) << 2 << 0 << QRect(474, 373, 52, 54);
        QTest::newRow("near the screen corner") << QPoint(3, 0) << panel << 2 << 0 << QRect(-22, -25, 50, 50);
        QTest::newRow("zoom below 1 as 1") << p << panel << 0 << 0 << QRect(450, 350, 101, 101);
    }

    void sourceRect()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QSize, view);
        QFETCH(int, zoom);
        QFETCH(int, shift);
        QFETCH(QRect, expected);
        QCOMPARE(magnifierSourceRect(pointer, view, zoom, shift), expected);
    }

    void enlarge_data()
    {
        // A 3 x 3 screen patch at (10, 20) enlarged into a 6 x 6 view: each
        // screen pixel becomes a 2 x 2 block; the parts of the source that were
        // not grabbed (off the screen) stay background.
        QTest::addColumn<QRect>("grabbedRect");
        QTest::addColumn<QPoint>("viewPixel");
        QTest::addColumn<QPoint>("screenPixel"); // relative to the grab; (-1, -1) background
        QTest::addColumn<int>("ratio"); // screen pixels a unit, as grabbed at 100 % or 200 % scaling
        QTest::addColumn<int>("format"); // as the screen hands it over
        const int rgb32 = QImage::Format_RGB32;
        const QRect whole(10, 20, 3, 3);
        QTest::newRow("top-left block, far corner") << whole << QPoint(1, 1) << QPoint(0, 0) << 1 << rgb32;
        QTest::newRow("middle") << whole << QPoint(2, 3) << QPoint(1, 1) << 1 << rgb32;
        QTest::newRow("bottom-right") << whole << QPoint(5, 5) << QPoint(2, 2) << 1 << rgb32;
        QTest::newRow("right column") << whole << QPoint(4, 0) << QPoint(2, 0) << 1 << rgb32;
        const QRect rightPart(11, 20, 2, 3);
        QTest::newRow("left column off screen") << rightPart << QPoint(1, 4) << QPoint(-1, -1) << 1 << rgb32;
        QTest::newRow("rest still mapped") << rightPart << QPoint(2, 0) << QPoint(0, 0) << 1 << rgb32;
        const QRect topPart(10, 20, 3, 1);
        QTest::newRow("lower rows off screen") << topPart << QPoint(3, 2) << QPoint(-1, -1) << 1 << rgb32;
        QTest::newRow("top row kept") << topPart << QPoint(5, 1) << QPoint(2, 0) << 1 << rgb32;
        QTest::newRow("nothing grabbed") << QRect() << QPoint(3, 3) << QPoint(-1, -1) << 1 << rgb32;
        QTest::newRow("200 %: middle") << whole << QPoint(2, 3) << QPoint(1, 1) << 2 << rgb32;
        QTest::newRow("200 %: bottom-right") << whole << QPoint(5, 5) << QPoint(2, 2) << 2 << rgb32;
        QTest::newRow("24-bit grab") << whole << QPoint(4, 0) << QPoint(2, 0) << 1 << int(QImage::Format_RGB888);
    }

    void enlarge()
    {
        QFETCH(QRect, grabbedRect);
        QFETCH(QPoint, viewPixel);
        QFETCH(QPoint, screenPixel);
        QFETCH(int, ratio);
        QFETCH(int, format);
        QImage grabbed = grabbedRect.isEmpty() ? QImage()
            : patterned(grabbedRect.width() * ratio, grabbedRect.height() * ratio).convertToFormat(QImage::Format(format));
        grabbed.setDevicePixelRatio(ratio);
        QImage view = filled(6, qRgb(255, 0, 0), 6);
        enlargeInto(view, grabbed, grabbedRect, QRect(10, 20, 3, 3), Grey64);
        const QRgb expected = screenPixel.x() < 0 ? Grey64 : grabbed.pixel(screenPixel * ratio);
        QCOMPARE(QColor(view.pixel(viewPixel)), QColor(expected));
        // Every pixel of the view is written, none keeps the old red.
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                QVERIFY(view.pixel(x, y) != qRgb(255, 0, 0));
    }

    // The menu switches the magnifier; while off, ticks change nothing and
    // the view shows its idle picture, whatever it last showed. The view's
    // buffer is the panel's inside, refilled in place and never replaced.
    void switchingOnAndOff()
    {
        TestProgram program;
        MainWindow& main = program.start();
        QAction* loep = named<QAction>(main, QStringLiteral("magnifierAction"));
        QImage& buffer = named<MagnifierView>(main, QStringLiteral("magnifierView"))->buffer();
        const uchar* bits = buffer.constBits();
        QCOMPARE(loep->text(), QStringLiteral("Loep uit"));
        buffer.fill(Qt::red);
        main.findChild<ShowMenu*>()->magnifier().tick();
        QCOMPARE(buffer.pixel(50, 50), qRgb(255, 0, 0));

        loep->trigger();
        QVERIFY(main.magnifierOptions().on && loep->isChecked());
        QCOMPARE(loep->text(), QStringLiteral("Loep aan"));
        buffer.fill(Qt::red);
        loep->trigger();
        QVERIFY(!main.magnifierOptions().on && !loep->isChecked());
        QCOMPARE(loep->text(), QStringLiteral("Loep uit"));

        QImage expected = filled(101, Grey64, 101);
        QPainter(&expected).drawImage(0, 0, QImage(QStringLiteral(":/library/099.png")));
        QCOMPARE(buffer, expected);
        QCOMPARE(buffer.constBits(), bits);
    }
};

QTEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
