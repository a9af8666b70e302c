#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/ColorPanel.h"
#include "drawing/ToolPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorSwitcher.h"

#include <QAction>
#include <QCheckBox>
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
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

QColor swatchColour(MainWindow& window)
{
    return window.colorPanel()->Kleur()->palette().color(QPalette::Window);
}
} // namespace

class TestDrawingWidgets : public QObject {
    Q_OBJECT
private slots:
    void lineDrawnWithTheMouse()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        program.state.CurrentTool = 2;
        CanvasWidget* canvas = window.Pic(1);

        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(20, 30));
        QTest::mouseMove(canvas, QPoint(80, 90));
        QCOMPARE(window.CoordLabel()->text(), QStringLiteral("X = 80 ,Y = 90"));
        QTest::mouseMove(canvas, QPoint(120, 30));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(120, 30));

        const QImage& image = window.floors().floor(1).image;
        for (int x = 20; x <= 120; ++x)
            QCOMPARE(image.pixel(x, 30), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(50, 60), qRgb(255, 255, 255)); // the band of the first move is gone
        QCoreApplication::processEvents();
        const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.pixel(70, 30), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(70, 31), qRgb(255, 255, 255));
    }

    void repaintsOnlyWhatChanged()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        program.state.CurrentTool = 2;
        CanvasWidget* canvas = window.Pic(1);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(20, 30));
        QCoreApplication::processEvents();

        PaintSpy spy(canvas);
        QTest::mouseMove(canvas, QPoint(60, 40));
        QCoreApplication::processEvents();
        QVERIFY(!spy.painted.isEmpty());
        QVERIFY(QRect(20, 30, 41, 11).contains(spy.painted.boundingRect()));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(60, 40));
    }

    void undoCopyAndPasteFromTheMenu()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const MainMenus& menus = window.menus();
        program.state.CurrentTool = 8;
        program.state.ColorRed = 255;
        QTest::mouseClick(window.Pic(1), Qt::RightButton, {}, QPoint(100, 100));
        const QImage& ground = window.floors().floor(1).image;
        QCOMPARE(ground.pixel(5, 5), qRgb(255, 0, 0));

        menus.EditCopy->trigger();
        menus.EditUndo->trigger();
        QCOMPARE(ground.pixel(5, 5), qRgb(255, 255, 255));

        window.floorSwitcher().chooseFloor(2);
        menus.EditPlakken->trigger();
        QCOMPARE(window.floors().floor(2).image.pixel(200, 400), qRgb(255, 0, 0));
        QCoreApplication::processEvents();
        QCOMPARE(window.Pic(2)->grab().toImage().pixel(200, 400), qRgb(255, 0, 0));
    }

    void colourChangesOnlyWhenDragged()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar* green = window.colorPanel()->RGBscroll(2);
        QScrollBar* red = window.colorPanel()->RGBscroll(1);

        // Arrow and track clicks move the bars but leave the colour.
        QTest::mouseClick(red, Qt::LeftButton, {}, partCentre(red, QStyle::SC_ScrollBarAddLine));
        QTest::mouseClick(red, Qt::LeftButton, {}, partCentre(red, QStyle::SC_ScrollBarAddPage));
        QVERIFY(red->value() > 1);
        QCOMPARE(program.state.ColorRed, 0);
        QCOMPARE(swatchColour(window), QColor(0, 0, 0));

        const QPoint handle = partCentre(green, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(green, Qt::LeftButton, {}, handle);
        QTest::mouseMove(green, handle + QPoint(green->width() / 3, 0));
        QTest::mouseRelease(green, Qt::LeftButton, {}, handle + QPoint(green->width() / 3, 0));
        const int dragged = green->value();
        QVERIFY(dragged > 0);
        QCOMPARE(program.state.ColorGreen, dragged);
        QCOMPARE(program.state.ColorRed, 0); // the clicked red bar still does not count
        QCOMPARE(swatchColour(window), QColor(0, dragged, 0));
        QCOMPARE(window.infoLabel()->text(), QStringLiteral("Rood: 0, Groen: %1, Blauw: 0").arg(dragged));
    }

    void eraserSizeOnAllFloors_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("caption");
        QTest::newRow("largest") << 30 << QStringLiteral("30 pixels");
        QTest::newRow("smallest") << 5 << QStringLiteral("5 pixels");
        QTest::newRow("above the range") << 31 << QStringLiteral("30 pixels");
    }

    void eraserSizeOnAllFloors()
    {
        QFETCH(int, size);
        QFETCH(QString, caption);
        TestProgram program;
        MainWindow& window = program.start();
        window.toolPanel()->GumScroll()->setValue(size);
        QCOMPARE(window.toolPanel()->GumLabel()->text(), caption);
        const int expected = window.toolPanel()->GumScroll()->value();
        QCOMPARE(program.state.EraserSize, expected);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(window.floors().floor(i).overlays.gum.size(), QSize(expected, expected));
    }

    void lineStyleOnAllFloors()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCheckBox* box = window.LijnCheck();
        box->show();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->text(), QStringLiteral("Stippellijn"));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(window.floors().floor(i).pen.dotted);
        box->setChecked(true); // as a tool click does
        QCOMPARE(box->text(), QStringLiteral("Onafgebroken lijn"));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!window.floors().floor(i).pen.dotted);
    }
};

QTEST_MAIN(TestDrawingWidgets)
#include "tst_drawingwidgets.moc"
