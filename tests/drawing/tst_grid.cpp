#include "Named.h"
#include "support/DrawingRig.h"
#include "support/TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/GridSnap.h"
#include "drawing/ToolTable.h"
#include "plan/PlanScale.h"
#include "drawing/tools/PlacementTools.h"
#include "floors/CanvasWidget.h"
#include "plan/GridOverlay.h"
#include "image/PictureLibrary.h"

#include <QAction>
#include <QtTest>

namespace {
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

// Every tool, without a window; snapping only when a test hands it in.
struct GridRig : PointerRig {
    PictureLibrary library;
    GridRig() { registerPlacementTools(engine, library); }
};

// What a canvas reports to the window, in the engine's terms.
struct CanvasPointer {
    CanvasWidget* canvas;
    void press(int f, Qt::MouseButtons b, QPointF at) { emit canvas->pressed(f, b, {}, at); }
    void move(int f, Qt::MouseButtons b, QPointF at) { emit canvas->moved(f, b, {}, at); }
    void release(int f, Qt::MouseButtons b, QPointF at) { emit canvas->released(f, b, {}, at); }
};

// With the tool of palette button `button`: press at the first point,
// left-button moves through the middle ones, release at the last, then a
// move without buttons for the read-out.
template <typename Pointer>
void gesture(Pointer& engine, Plan& plan, int button, const QList<QPoint>& points)
{
    plan.toolChoice.current = toolOfButton(button);
    plan.toolChoice.optionBase = 129;
    plan.toolChoice.chosenOption = 1;
    engine.press(1, Qt::LeftButton, points.first());
    for (qsizetype i = 1; i + 1 < points.size(); ++i)
        engine.move(1, Qt::LeftButton, points[i]);
    engine.release(1, Qt::LeftButton, points.last());
    engine.move(1, Qt::NoButton, points.last());
}

using Gesture = QPair<int, QList<QPoint>>;

// Where the corner a tool places by lies near the canvas's edges, and the grid
// point or last column or row it goes to; a spacing in pixels without a scale.
struct Edge {
    const char* name;
    int width, centimetresPerPixel, spacing;
    QPoint corner, onGrid;
};
const Edge Edges[] = {
    {"10 px, 350, last line", 350, 0, 10, {344, 200}, {340, 200}},
    {"10 px, 350, last column and row", 350, 0, 10, {345, 453}, {349, 454}},
    {"2 px, 350, last column", 350, 0, 2, {349, 453}, {349, 454}},
    {"2 px, 470, last column", 470, 0, 2, {469, 0}, {469, 0}},
    {"33.3 px, 350, last line and row", 350, 3, 100, {340, 450}, {333, 454}},
    {"33.3 px, 350, last column and line", 350, 3, 100, {342, 440}, {349, 433}},
    {"33.3 px, 470, last line and row", 470, 3, 100, {466, 452}, {467, 454}},
    {"33.3 px, 470, past the corner", 470, 3, 100, {520, 500}, {469, 454}},
    {"2 px, 350, before the origin", 350, 0, 2, {-20, -5}, {0, 0}},
};
} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void overlayOnScreen_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<int>("spacing");
        QTest::newRow("10 pixels without a scale") << 0 << 10;
        QTest::newRow("1 m at 5 cm per pixel") << 5 << 20;
    }

    void overlayOnScreen()
    {
        QFETCH(int, centimetres);
        QFETCH(int, spacing);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), QByteArray::number(centimetres) + "\r\n");
        MainWindow& window = program.start();
        window.show();
        QImage& image = window.plan().floor(1).image;
        image.setPixel(spacing, 3, Black);
        const QImage before = image;
        named<QAction>(window, QStringLiteral("gridAction"))->trigger();

        const QImage shown = named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->grab().toImage();
        const auto at = [&shown](int x, int y) { return shown.pixel(x, y) | 0xFF000000u; };
        QCOMPARE(at(spacing, 2), GridOverlay::Line);
        QCOMPARE(at(spacing + 1, 2), White);
        QCOMPARE(at(spacing / 2, spacing), GridOverlay::Line);
        QCOMPARE(at(spacing / 2, spacing / 2), White);
        QCOMPARE(at(5 * spacing, 2), GridOverlay::FifthLine);
        // The drawing lies over the grid, and the grid never enters the picture.
        QCOMPARE(at(spacing, 3), Black);
        QCOMPARE(image, before);
        QVERIFY(program.readFile(QStringLiteral("Rimbano-schaal.ini")).contains("raster=1\r\n"));
    }

    void snapping_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<QPoint>>("snapped");
        QTest::addColumn<QString>("readOut");
        QTest::newRow("line ends and rubber band") << 2 << QList<QPoint>{{12, 9}, {33, 21}, {47, 32}, {49, 31}}
                                                   << QList<QPoint>{{10, 10}, {30, 20}, {50, 30}, {50, 30}}
                                                   << QStringLiteral("X = 50 ,Y = 30");
        // The symbol's top-left corner, 36 pixels up and left of the pointer, goes onto the grid.
        QTest::newRow("symbol place") << 9 << QList<QPoint>{{57, 63}} << QList<QPoint>{{56, 66}}
                                      << QStringLiteral("X = 56 ,Y = 66");
    }

    void snapping()
    {
        QFETCH(int, tool);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QPoint>, snapped);
        GridSettings grid;
        grid.snap = true;
        PlanScale noScale;
        const GridSnap snap(grid, noScale);
        GridRig aligned;
        aligned.engine.setSnap(&snap);
        gesture(aligned.engine, aligned.plan, tool, points);

        GridRig byHand;
        gesture(byHand.engine, byHand.plan, tool, snapped);
        QVERIFY(!inkedPixels(byHand.image()).isEmpty());
        QCOMPARE(inkedPixels(aligned.image()), inkedPixels(byHand.image()));
        QTEST(aligned.engine.coordText(), "readOut");
    }

    // At the canvas's edges, for every tool: the point a tool places by (the
    // pointer, a text's corner 14 pixels right of it, a symbol's 36 up and
    // left) goes to the nearest grid line or last column or row, never past
    // them; the read-out shows the pointer that puts it there.
    void snappedOnCanvas_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("edge");
        for (const int tool : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 30})
            for (int e = 0; e < int(std::size(Edges)); ++e)
                QTest::addRow("tool %d, %s", tool, Edges[e].name) << tool << e;
    }

    void snappedOnCanvas()
    {
        QFETCH(int, tool);
        QFETCH(int, edge);
        const Edge& e = Edges[edge];
        const bool snaps = tool >= 2 && (tool < 6 || tool > 8);
        const QPoint offset = tool == 5 ? QPoint(14, 0) : tool >= 9 ? QPoint(-36, -36) : QPoint();
        const GridSettings grid{false, true, e.spacing, e.spacing};
        PlanScale scale;
        scale.set(e.centimetresPerPixel);
        const GridSnap snap(grid, scale);
        GridRig rig;
        rig.plan.setCanvasWidth(e.width);
        rig.engine.setSnap(&snap);
        rig.plan.toolChoice.current = tool == 30 ? ToolKind::ImportedIcon : toolOfButton(tool);
        rig.engine.move(1, Qt::NoButton, e.corner - offset);
        const QPoint seen = (snaps ? e.onGrid : e.corner) - offset;
        QCOMPARE(rig.engine.coordText(), QStringLiteral("X = %1 ,Y = %2").arg(seen.x()).arg(seen.y()));
    }

    void switchesOffDrawAsBefore()
    {
        const QList<Gesture> gestures{{2, {{13, 17}, {40, 20}, {87, 43}}}, {3, {{101, 103}, {150, 120}, {167, 149}}},
                                      {4, {{31, 201}, {90, 202}, {123, 203}}}, {9, {{203, 257}}}, {12, {{61, 45}}},
                                      {5, {{203, 305}}}};
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), "0\r\nraster=0\r\nuitlijnen=0\r\nraster-pixels=7\r\n");
        MainWindow& window = program.start();
        window.show();
        CanvasPointer canvas{named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)};
        for (const Gesture& g : gestures)
            gesture(canvas, window.plan(), g.first, g.second);
        // The same drawing by a pointer engine that was never given a grid.
        GridRig reference;
        for (const Gesture& g : gestures)
            gesture(reference.engine, reference.plan, g.first, g.second);
        const QImage drawn = window.plan().floor(1).image;
        QCOMPARE(drawn, reference.image());
        QCOMPARE(canvas.canvas->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn);
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
