#include "Named.h"
#include "app/MainWindow.h"
#include "drawing/ShowMenu.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorSwitcher.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QtTest>

Q_DECLARE_METATYPE(Pen)

namespace {
// How many pixels of the outermost ring have the given colour.
int ringPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool onRing = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (onRing && image.pixel(x, y) == colour)
                ++count;
        }
    return count;
}
} // namespace

class TestShowMenu : public QObject {
    Q_OBJECT
private slots:
    void crossOnAllFloorsOutOfTheDrawing()
    {
        TestProgram program;
        MainWindow& main = program.start();
        QAction* cross = named<QAction>(main, QStringLiteral("drawingCrossAction"));
        Floor& floor = main.plan().floor(2);
        floor.overlays.cross = QPoint(40, 70);
        const QImage before = floor.image;
        for (bool on : {true, false}) {
            cross->trigger();
            QCOMPARE(cross->isChecked(), on);
            for (int f = 1; f <= 3; ++f)
                QCOMPARE(main.plan().floor(f).overlays.crossVisible, on);
            const QImage shown = named<CanvasWidget>(main, QStringLiteral("floorCanvas"), 2)->grab().toImage();
            const QColor hair = on ? QColor(192, 192, 192) : QColor(Qt::white);
            QCOMPARE(shown.pixelColor(40, 5), hair);
            QCOMPARE(shown.pixelColor(300, 70), hair);
            QCOMPARE(shown.pixelColor(41, 71), QColor(Qt::white));
            QCOMPARE(floor.image, before);
        }
    }

    void pointerShape_data()
    {
        QTest::addColumn<QList<int>>("chosen"); // menu entries 1 and 2; others come in by code only
        QTest::addColumn<int>("cursor");
        QTest::newRow("Cross") << QList<int>{1, 2} << int(Qt::CrossCursor);
        QTest::newRow("Arrow") << QList<int>{2, 1} << int(Qt::ArrowCursor);
        QTest::newRow("other indexes change nothing") << QList<int>{2, 3, 0} << int(Qt::CrossCursor);
    }

    void pointerShape()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(int, cursor);
        TestProgram program;
        MainWindow& main = program.start();
        const auto entry = [&main](int k) { return named<QAction>(main, QStringLiteral("pointerShapeAction"), k); };
        QVERIFY(entry(1)->isChecked());
        for (int index : chosen) {
            if (index == 1 || index == 2)
                entry(index)->trigger();
            else
                main.findChild<ShowMenu*>()->choosePointerShape(index);
        }
        QCOMPARE(entry(1)->isChecked(), cursor == Qt::ArrowCursor);
        QCOMPARE(entry(2)->isChecked(), cursor == Qt::CrossCursor);
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(int(named<CanvasWidget>(main, QStringLiteral("floorCanvas"), f)->cursor().shape()), cursor);
    }

    void border_data()
    {
        // The border command looks at the top-left corner: anything but white
        // there is a border to whiten, white a border to draw.
        QTest::addColumn<int>("extraWidth");
        QTest::addColumn<int>("floor");
        QTest::addColumn<QRgb>("drawingColour");
        QTest::addColumn<QRgb>("corner"); // 0: left white
        QTest::addColumn<Pen>("pen");
        QTest::addColumn<QList<QRgb>>("rings"); // the ring's colour after each command, 0: partly drawn (dots)
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        QTest::newRow("350 px, black, ground floor") << 0 << 1 << black << QRgb(0) << Pen{} << QList<QRgb>{black, white};
        QTest::newRow("470 px, red, second floor") << 1800 << 3 << qRgb(255, 0, 0) << QRgb(0) << Pen{}
                                                   << QList<QRgb>{qRgb(255, 0, 0), white};
        QTest::newRow("corner in another colour whitens") << 0 << 1 << black << qRgb(0, 0, 255) << Pen{} << QList<QRgb>{white};
        QTest::newRow("white border is drawn again") << 0 << 2 << white << QRgb(0) << Pen{} << QList<QRgb>{white, white};
        QTest::newRow("dotted pen") << 0 << 1 << black << QRgb(0) << Pen{1, true} << QList<QRgb>{0};
        QTest::newRow("pen left inverting still draws in colour") << 0 << 1 << black << QRgb(0) << Pen{1, false, true}
                                                                  << QList<QRgb>{black, white};
    }

    void border()
    {
        QFETCH(int, extraWidth);
        QFETCH(int, floor);
        QFETCH(QRgb, drawingColour);
        QFETCH(QRgb, corner);
        QFETCH(QList<QRgb>, rings);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"),
                          "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n" + QByteArray::number(extraWidth) + "\r\n");
        MainWindow& main = program.start();
        main.floorSwitcher().chooseFloor(floor);
        program.settings.red = qRed(drawingColour);
        program.settings.green = qGreen(drawingColour);
        program.settings.blue = qBlue(drawingColour);
        QImage& image = main.plan().floor(floor).image;
        QFETCH(Pen, pen);
        main.plan().floor(floor).pen = pen;
        if (corner)
            image.setPixel(0, 0, corner);
        const QImage other = main.plan().floor(floor == 1 ? 2 : 1).image;
        const int w = 350 + extraWidth / 15;
        QCOMPARE(image.width(), w);
        for (QRgb ring : rings) {
            // A mark on the ring away from the corner: each command paints over it.
            image.setPixel(200, 454, qRgb(0, 0, 0));
            image.setPixel(100, 0, qRgb(1, 1, 1));
            named<QAction>(main, QStringLiteral("borderAction"))->trigger();
            const int all = 2 * w + 2 * 455 - 4;
            const int dots = ringPixels(image, qRgb(0, 0, 0));
            if (ring)
                QCOMPARE(ringPixels(image, ring), all);
            else
                QVERIFY(dots > 1 && dots < all);
            // Inside the ring and the other floors stay as they were.
            QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
            QCOMPARE(image.pixel(w - 2, 453), qRgb(255, 255, 255));
            QCOMPARE(main.plan().floor(floor == 1 ? 2 : 1).image, other);
        }
    }
};

QTEST_MAIN(TestShowMenu)
#include "tst_showmenu.moc"
