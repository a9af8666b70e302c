#include "Named.h"
#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/ShowMenu.h"
#include "floors/CanvasWidget.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {
// Remembers the areas a widget was asked to paint.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QPoint partCentre(QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

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

Q_DECLARE_METATYPE(QStyle::SubControl)
Q_DECLARE_METATYPE(Pen)

// The drawing window's canvas, colour bars and Show menu.
class TestDrawingWidgets : public QObject {
    Q_OBJECT
private slots:
    void mouseCanvasAndMenu()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plan().toolChoice.current = ToolKind::Line;
        CanvasWidget* canvas = named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(20, 30));
        QCoreApplication::processEvents();

        PaintSpy spy(canvas);
        QTest::mouseMove(canvas, QPoint(60, 40));
        QCOMPARE(named<QLabel>(window, QStringLiteral("coordinateLabel"))->text(), QStringLiteral("X = 60 ,Y = 40"));
        QCoreApplication::processEvents();
        // Only the band's box is repainted.
        QVERIFY(!spy.painted.isEmpty());
        QVERIFY(QRect(20, 30, 41, 11).contains(spy.painted.boundingRect()));
        QTest::mouseMove(canvas, QPoint(120, 30));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(120, 30));

        const QImage& image = window.plan().floor(1).image;
        for (int x = 20; x <= 120; ++x)
            QCOMPARE(image.pixel(x, 30), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(40, 35), qRgb(255, 255, 255)); // the band of the first move is gone
        QCoreApplication::processEvents();
        const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.pixel(70, 30), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(70, 31), qRgb(255, 255, 255));

        // Undo, Opnieuw, Copy and Plakken from the menu, after a right-button fill.
        const auto menu = [&window](const char* name) { named<QAction>(window, QLatin1String(name))->trigger(); };
        // The information line and which of Undo and Opnieuw are enabled.
        const auto state = [&window] {
            return named<InfoLabel>(window, QStringLiteral("infoLabel"))->text()
                + QString(" %1%2").arg(named<QAction>(window, QStringLiteral("undoAction"))->isEnabled())
                                  .arg(named<QAction>(window, QStringLiteral("redoAction"))->isEnabled());
        };
        QCOMPARE(state(), QStringLiteral("Informatie... 10"));
        window.plan().toolChoice.current = ToolKind::Fill;
        program.settings.red = 255;
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(image.pixel(5, 5), qRgb(255, 0, 0));
        menu("copyAction");
        menu("undoAction");
        QCOMPARE(state(), QStringLiteral("Ongedaan: vulling op Begane grond 11"));
        QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(70, 30), qRgb(0, 0, 0));
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 2)->click();
        menu("pasteAction");
        QCOMPARE(window.plan().floor(2).image.pixel(200, 400), qRgb(255, 0, 0));
        QCoreApplication::processEvents();
        QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 2)->grab().toImage().pixel(200, 400), qRgb(255, 0, 0));
        // Undo of the line on the ground floor shows that floor first.
        menu("undoAction"), menu("undoAction"); // Plakken dropped the undone fill: the line is next
        QCOMPARE(state(), QStringLiteral("Ongedaan: lijn op Begane grond 01"));
        QVERIFY(window.plan().currentFloor() == 1 && canvas->isVisible() && image.pixel(70, 30) == qRgb(255, 255, 255));
        menu("redoAction"), menu("redoAction");
        QCOMPARE(state(), QStringLiteral("Opnieuw: plakken op 1e verdieping 10"));
    }

    void colourCountsOnlyWhenDragged_data()
    {
        QTest::addColumn<QStyle::SubControl>("part");
        QTest::addColumn<bool>("drag");
        QTest::newRow("arrow click") << QStyle::SC_ScrollBarAddLine << false;
        QTest::newRow("handle dragged") << QStyle::SC_ScrollBarSlider << true;
    }

    void colourCountsOnlyWhenDragged()
    {
        QFETCH(QStyle::SubControl, part);
        QFETCH(bool, drag);
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar* green = named<QScrollBar>(window, QStringLiteral("colourBar"), 2);
        const QPoint at = partCentre(green, part);
        QTest::mousePress(green, Qt::LeftButton, {}, at);
        if (drag)
            QTest::mouseMove(green, at + QPoint(green->width() / 3, 0));
        QTest::mouseRelease(green, Qt::LeftButton, {}, drag ? at + QPoint(green->width() / 3, 0) : at);
        const int value = green->value();
        QVERIFY(value > 0); // the bar moves either way
        const int counted = drag ? value : 0;
        QCOMPARE(program.settings.green, counted);
        QCOMPARE(named<QLabel>(window, QStringLiteral("colourSwatch"))->palette().color(QPalette::Window), QColor(0, counted, 0));
        if (drag)
            QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Rood: 0, Groen: %1, Blauw: 0").arg(value));
    }

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
        named<QPushButton>(main, QStringLiteral("showFloorButton"), floor)->click();
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

QTEST_MAIN(TestDrawingWidgets)
#include "tst_drawingwidgets.moc"
