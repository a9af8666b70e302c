#include "Named.h"
#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/ColorPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorSwitcher.h"

#include <QAction>
#include <QLabel>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

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
} // namespace

Q_DECLARE_METATYPE(QStyle::SubControl)

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
        window.floorSwitcher().chooseFloor(2);
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
        QTest::newRow("track click") << QStyle::SC_ScrollBarAddPage << false;
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
};

QTEST_MAIN(TestDrawingWidgets)
#include "tst_drawingwidgets.moc"
