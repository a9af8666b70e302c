#include "support/DrawingRig.h"

#include "drawing/tools/SprayTool.h"
#include "image/Primitives.h"

#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(Pen)

namespace {
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Green = qRgb(0, 160, 0); // the drawing colour in every row

QImage with(QImage image, const QList<QPoint>& points, QRgb colour)
{
    for (QPoint p : points)
        image.setPixel(p, colour);
    return image;
}

QImage with(QImage image, const QList<QRect>& areas, QRgb colour)
{
    QPainter painter(&image);
    for (const QRect& area : areas)
        painter.fillRect(area, QColor(colour));
    return image;
}

// Bands three pixels wide round the box from `a` to `b`.
QList<QRect> wideBox(QPoint a, QPoint b)
{
    const QRect r = QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
    return {QRect(r.left(), r.top(), r.width(), 3), QRect(r.left(), r.bottom() - 2, r.width(), 3),
            QRect(r.left(), r.top(), 3, r.height()), QRect(r.right() - 2, r.top(), 3, r.height())};
}

// A level or plumb dimension from `start` to `end`. Ticks run across the line
// from 4 before to 5 after it; heads are five segments, i = 0..4, each
// reaching i pixels to both sides. Worked out level, turned over the diagonal when plumb.
QList<QPoint> dimension(int style, QPoint start, QPoint end)
{
    const bool plumb = start.x() == end.x();
    const auto turn = [plumb](QPoint p) { return plumb ? p.transposed() : p; };
    const int x0 = turn(start).x(), x1 = turn(end).x(), y = turn(start).y();
    PixelSet level;
    level.row(y, x0, x1);
    if (style != 2)
        level.column(x0, y - 4, y + 5).column(x1, y - 4, y + 5);
    for (int i = 0; style != 1 && i <= 4; ++i)
        level.column(x0 + i, y - i, y + i).column(x1 - i, y - i, y + i);
    PixelSet result;
    for (QPoint p : level.points)
        result.add(turn(p));
    return result.sorted();
}

QList<QPoint> differences(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
        }
    }
    return points;
}
} // namespace

class TestDrawingTools : public QObject {
    Q_OBJECT
private slots:
    void gestures_data()
    {
        // The script: p press, m move, r release at x,y with the left button,
        // or R the right, B both; "=" checks the floor still shows `before`.
        QTest::addColumn<ToolKind>("tool");
        QTest::addColumn<int>("option"); // the option, arrow style or eraser size
        QTest::addColumn<Pen>("pen");
        QTest::addColumn<QImage>("before");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QRect>("pressRepaint"); // checked when not null
        QTest::addColumn<QImage>("after");
        const QImage white = filled(350);
        const auto row = [&](const char* name, ToolKind tool, int option, Pen pen, const QImage& before, const char* script,
                             const QImage& after, QRect repaint = {}) {
            QTest::newRow(name) << tool << option << pen << before << QString::fromLatin1(script) << repaint << after;
        };

        const char* bendingLine = "p10,20 m15,40 m40,5 m30,20 r30,20";
        row("line", ToolKind::Line, 0, Pen{}, white, bendingLine, with(white, PixelSet().row(20, 10, 30).points, Black));
        PixelSet dots;
        for (int x = 10; x <= 30; x += 4)
            dots.row(20, x, std::min(x + 1, 30));
        row("dotted line", ToolKind::Line, 0, Pen{1, true}, white, bendingLine, with(white, dots.points, Black));
        row("line 3 wide is always solid", ToolKind::Line, 0, Pen{3, true}, white, bendingLine, with(white, {QRect(9, 19, 23, 3)}, Black));
        row("line released elsewhere", ToolKind::Line, 0, Pen{}, white, "p10,10 m10,40 r40,10",
            with(white, PixelSet().column(10, 10, 40).row(10, 10, 40).points, Black));
        row("right click draws no line", ToolKind::Line, 0, Pen{}, white, "p30,30R r30,30R", white);
        row("right drag: no band, a line at release", ToolKind::Line, 0, Pen{}, white, "p30,30R m60,30R = r60,30R",
            with(white, PixelSet().row(30, 30, 60).points, Black));

        row("double rectangle", ToolKind::Rectangle, 6, Pen{6}, white, "p10,10 m40,30 r40,30",
            with(white, wideBox({10, 10}, {40, 30}) + wideBox({14, 14}, {36, 26}), Black));
        row("narrow double rectangle crosses its corners", ToolKind::Rectangle, 6, Pen{6}, white, "p10,10 m15,30 r15,30",
            with(white, wideBox({10, 10}, {15, 30}) + wideBox({14, 14}, {11, 26}), Black));

        row("freehand click draws nothing", ToolKind::Freehand, 0, Pen{}, white, "p10,10 r10,10", white);
        row("freehand segments chain", ToolKind::Freehand, 0, Pen{}, white, "p10,10 m20,10 m20,25 m20,25 r20,25",
            with(white, PixelSet().row(10, 10, 20).column(20, 10, 25).points, Green));
        row("freehand jumps with both buttons", ToolKind::Freehand, 0, Pen{}, white, "p10,10 m20,10 m60,40B m20,50 r20,50",
            with(white, PixelSet().row(10, 10, 20).column(20, 10, 50).points, Green));

        // Dimensions, dragged by way of a point off the line.
        const QPoint s(100, 100);
        const auto dimensionRow = [&](const char* name, int style, QPoint end, QList<QPoint> expected) {
            const QPoint halfway = (s + end) / 2 + QPoint(7, -3);
            const QString script = QStringLiteral("p100,100 m%1,%2 m%3,%4 r%3,%4").arg(halfway.x()).arg(halfway.y()).arg(end.x()).arg(end.y());
            row(name, ToolKind::Dimension, style, Pen{}, white, qPrintable(script), with(white, expected, Black));
        };
        dimensionRow("level, ticks", 1, {160, 100}, dimension(1, s, {160, 100}));
        dimensionRow("level, heads", 2, {160, 100}, dimension(2, s, {160, 100}));
        dimensionRow("level, both", 3, {160, 100}, dimension(3, s, {160, 100}));
        dimensionRow("plumb", 3, {100, 190}, dimension(3, s, {100, 190}));
        dimensionRow("right to left", 3, {40, 100}, dimension(3, s, {40, 100}));
        dimensionRow("bottom to top", 3, {100, 20}, dimension(3, s, {100, 20}));
        dimensionRow("5 below level snaps", 1, {160, 105}, dimension(1, s, {160, 100}));
        dimensionRow("5 above level snaps", 3, {160, 95}, dimension(3, s, {160, 100}));
        dimensionRow("6 off level is refused", 1, {160, 106}, {});
        dimensionRow("5 off plumb snaps", 2, {95, 180}, dimension(2, s, {100, 180}));
        dimensionRow("6 off plumb is refused", 2, {106, 180}, {});
        dimensionRow("within 5 both ways counts as level", 1, {103, 104}, dimension(1, s, {103, 100}));
        // The white line follows the raw drag: it crosses a wall one row lower than the dimension.
        const QImage wall = with(white, {QRect(140, 0, 1, 301)}, Black);
        row("dimension whitens along the raw drag", ToolKind::Dimension, 1, Pen{}, wall, "p100,100 m180,104 r180,104",
            with(with(wall, dimension(1, s, {180, 100}), Black), {QPoint(140, 102)}, White));
        QImage slanted = filled(350, qRgb(0, 0, 255));
        const QImage blue = slanted;
        drawLine(slanted, QPoint(10, 10), QPoint(40, 30), White, Pen{});
        row("slanted dimension only whitens", ToolKind::Dimension, 1, Pen{}, blue, "p10,10 m50,60 m40,30 r40,30", slanted);

        const QImage black = filled(350, Black);
        row("eraser 10, left", ToolKind::Eraser, 10, Pen{}, black, "p50,50 r50,50", with(black, {QRect(60, 42, 10, 10)}, White), QRect(60, 42, 10, 10));
        row("eraser 5, right", ToolKind::Eraser, 5, Pen{}, black, "p50,50R r50,50R", with(black, {QRect(60, 42, 5, 5)}, White), QRect(60, 42, 5, 5));
        row("eraser 30", ToolKind::Eraser, 30, Pen{}, black, "p0,8 r0,8", with(black, {QRect(10, 0, 30, 30)}, White), QRect(10, 0, 30, 30));
        row("eraser clipped right", ToolKind::Eraser, 30, Pen{}, black, "p330,100 r330,100", with(black, {QRect(340, 92, 10, 30)}, White), QRect(340, 92, 10, 30));
        row("eraser clipped at the top", ToolKind::Eraser, 10, Pen{}, black, "p50,3 r50,3", with(black, {QRect(60, 0, 10, 5)}, White), QRect(60, 0, 10, 5));
        row("eraser moves leave gaps", ToolKind::Eraser, 10, Pen{}, black, "p50,50 m100,50 m100,90R r100,90",
            with(black, {QRect(60, 42, 10, 10), QRect(110, 42, 10, 10)}, White));

        // Fill stops at the room's black border, or at the canvas edges outside it.
        const QList<QPoint> border = PixelSet().row(20, 20, 40).row(40, 20, 40).column(20, 20, 40).column(40, 20, 40).points;
        const QImage room = with(white, border, Black);
        row("fill inside, left", ToolKind::Fill, 0, Pen{}, room, "p30,30 m200,200 r200,200", with(room, {QRect(21, 21, 19, 19)}, Green));
        row("fill inside, right", ToolKind::Fill, 0, Pen{}, room, "p25,35R m200,200 r200,200R", with(room, {QRect(21, 21, 19, 19)}, Green));
        row("fill on the wall", ToolKind::Fill, 0, Pen{}, room, "p20,30 m200,200 r200,200", room);
        row("fill outside", ToolKind::Fill, 0, Pen{}, room, "p0,454 m200,200 r200,200",
            with(with(filled(350, Green), {QRect(21, 21, 19, 19)}, White), border, Black));
    }

    void gestures()
    {
        QFETCH(ToolKind, tool);
        QFETCH(int, option);
        QFETCH(QImage, before);
        QFETCH(QString, script);
        QFETCH(QRect, pressRepaint);
        PointerRig rig;
        ToolChoice& choice = rig.plan.toolChoice;
        choice.current = tool;
        choice.chosenOption = choice.arrowStyle = choice.eraserSize = option;
        rig.settings.green = 160;
        QFETCH(Pen, pen);
        // On the first floor up, so the engine must find the floor it is given.
        rig.plan.setCurrentFloor(2);
        rig.plan.floor(2).pen = pen;
        rig.image(2) = before;
        for (const QString& step : script.split(' ')) {
            if (step == QLatin1String("=")) {
                QCOMPARE(rig.image(2), before);
                continue;
            }
            const Qt::MouseButtons buttons = step.endsWith('R')   ? Qt::RightButton
                                             : step.endsWith('B') ? Qt::LeftButton | Qt::RightButton
                                                                  : Qt::LeftButton;
            const QString at = step.mid(1).remove('R').remove('B');
            const double x = at.section(',', 0, 0).toDouble(), y = at.section(',', 1).toDouble();
            if (step.startsWith('p')) {
                const QRegion repaint = rig.press(x, y, buttons);
                if (!pressRepaint.isNull())
                    QCOMPARE(repaint, QRegion(pressRepaint));
            } else if (step.startsWith('m')) {
                rig.move(x, y, buttons);
            } else {
                rig.release(x, y, buttons);
            }
        }
        QFETCH(QImage, after);
        QCOMPARE(differences(rig.image(2), after), QList<QPoint>());
        QCOMPARE(rig.image(1), filled(350));
        QVERIFY(!rig.plan.floor(2).pen.invert);
        while (rig.plan.history().undo(2)) // every press is a step: back to the start exactly
            ;
        QCOMPARE(rig.image(2), before);
    }

    void spray_data()
    {
        // Dots fall on the diagonal from four pixels up-left of the pointer to the pointer.
        QTest::addColumn<double>("random"); // -1: the tool's own generator
        QTest::addColumn<QPoint>("dot");
        QTest::newRow("lowest") << 0.0 << QPoint(96, 46);
        QTest::newRow("just under a step") << 0.1999 << QPoint(96, 46);
        QTest::newRow("highest, on the pointer") << 0.9999 << QPoint(100, 50);
        QTest::newRow("from the clock") << -1.0 << QPoint();
    }

    void spray()
    {
        QFETCH(double, random);
        QFETCH(QPoint, dot);
        PointerRig rig;
        if (random >= 0)
            rig.engine.registerTool(ToolKind::Spray, std::make_unique<SprayTool>([random] { return random; }));
        rig.plan.toolChoice.current = ToolKind::Spray;
        rig.settings.blue = 255;
        rig.press(100, 50);
        QVERIFY(inkedPixels(rig.image()).isEmpty()); // a click sprays nothing
        for (int i = 0; i < 40; ++i)
            rig.move(100, 50);
        const QList<QPoint> dots = inkedPixels(rig.image());
        QVERIFY(!dots.isEmpty());
        for (QPoint p : dots) {
            QCOMPARE(p.x() - 100, p.y() - 50);
            QVERIFY(p.x() >= 96 && p.x() <= 100);
            QCOMPARE(rig.image().pixel(p), qRgb(0, 0, 255));
        }
        if (random >= 0)
            QCOMPARE(dots, QList<QPoint>{dot});
    }
};

QTEST_MAIN(TestDrawingTools)
#include "tst_drawingtools.moc"
