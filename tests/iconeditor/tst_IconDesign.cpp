#include "support/TestProgram.h"
#include "iconeditor/IconDesign.h"
#include "iconeditor/IconGrid.h"
#include "iconeditor/IconPalette.h"
#include "image/IconOps.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;

// One editor window on a fresh program folder with scripted answers.
struct Fixture {
    TestProgram program;
    IconDesign design{program.context};
    IconEditor& editor = design.editor();
    RecordingInfoLine& info = program.info;
};

// Mouse events in the grid's own pixels, border included, as Qt delivers them.
void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Pointer script on the grid, in drawing-area pixels: "P L 5 5" press left,
// "M L 20 5" move with left held, "M - 20 5" move without a button,
// "R L 20 5" release; "B" is left and right together.
void play(QWidget* grid, const QString& script)
{
    const QPoint border(2, 2);
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QPoint at = QPoint(f[2].toInt(), f[3].toInt()) + border;
        Qt::MouseButtons held = f[1] == "L" ? Qt::LeftButton : f[1] == "R" ? Qt::RightButton : Qt::NoButton;
        if (f[1] == "B")
            held = Qt::LeftButton | Qt::RightButton;
        const Qt::MouseButton button = f[1] == "R" ? Qt::RightButton : Qt::LeftButton;
        if (f[0] == "P")
            send(grid, QEvent::MouseButtonPress, at, button, held);
        else if (f[0] == "M")
            send(grid, QEvent::MouseMove, at, Qt::NoButton, held);
        else
            send(grid, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
}

QList<QPoint> inkedCells(const QImage& icon)
{
    QList<QPoint> cells;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) != White)
                cells << QPoint(x, y);
    return cells;
}

// "0,0-3,0" is a row or column of cells; several parts with ";".
QList<QPoint> cellList(const QString& text)
{
    QList<QPoint> cells;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        const QStringList a = ends[0].split(QLatin1Char(','));
        const QStringList b = ends.value(1, ends[0]).split(QLatin1Char(','));
        for (int y = a[1].toInt(); y <= b[1].toInt(); ++y)
            for (int x = a[0].toInt(); x <= b[0].toInt(); ++x)
                cells << QPoint(x, y);
    }
    std::sort(cells.begin(), cells.end(), [](QPoint p, QPoint q) { return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x()); });
    return cells;
}

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}
} // namespace

class TestIconDesign : public QObject {
    Q_OBJECT
private slots:
    void opensEmpty()
    {
        Fixture f;
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design"));
        QCOMPARE(f.editor.icon(), blankIcon());
        QCOMPARE(f.editor.IconTool(), 0);
        QCOMPARE(f.editor.drawingColour(), Black);
        QCOMPARE(background(f.design.TekenKleur()), QColor(0, 0, 0));
    }

    void painting_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("coords");
        QTest::newRow("margin left draws nothing") << "P L 4 50" << "" << " X:0 - Y:5";
        QTest::newRow("margin above draws nothing") << "P L 50 4" << "" << " X:5 - Y:0";
        QTest::newRow("first cell from x = 5") << "P L 5 5" << "0,0" << " X:1 - Y:1";
        QTest::newRow("last cell") << "P L 354 354" << "34,34" << " X:35 - Y:35";
        QTest::newRow("beyond the last cell") << "P L 355 100;P L 100 355" << "" << " X:10 - Y:36";
        QTest::newRow("middle of a cell") << "P L 180 180" << "17,17" << " X:18 - Y:18";
        QTest::newRow("right press draws nothing") << "P R 100 200" << "" << " X:10 - Y:20";
        QTest::newRow("right drag draws nothing") << "P R 5 5;M R 50 5;M R 100 5;M R 100 60;R R 100 60" << "" << " X:10 - Y:6";
        QTest::newRow("both buttons draw nothing") << "P B 100 100;M B 120 100" << "" << " X:12 - Y:10";
        QTest::newRow("left drag, every report") << "P L 5 5;M L 15 5;M L 25 5;M L 35 5;R L 35 5" << "0,0-3,0" << " X:4 - Y:1";
        QTest::newRow("left drag, quick moves") << "P L 5 5;M L 345 5;M L 345 345" << "0,0-34,0;34,1-34,34" << " X:35 - Y:35";
        QTest::newRow("left drag leaving the grid") << "P L 325 100;M L 400 100" << "32,9-34,9" << " X:40 - Y:10";
        QTest::newRow("moving without a button") << "M - 5 5;M - 0 3" << "" << " X:0 - Y:0";
        QTest::newRow("released, then moved") << "P L 5 5;R L 5 5;M - 100 5" << "0,0" << " X:10 - Y:1";
    }

    void painting()
    {
        QFETCH(QString, script);
        QFETCH(QString, cells);
        QFETCH(QString, coords);
        Fixture f;
        play(f.design.IconPicture(), script);
        QCOMPARE(inkedCells(f.editor.icon()), cellList(cells));
        QCOMPARE(f.design.CoordLabel()->text(), coords);
    }

    void paintedCellsShowOnGridAndPreview()
    {
        Fixture f;
        f.editor.setDrawingColour(qRgb(200, 0, 0));
        play(f.design.IconPicture(), "P L 25 45");
        QCOMPARE(f.editor.icon().pixel(2, 4), qRgb(200, 0, 0));
        QCOMPARE(f.editor.grid().pixel(30, 50), qRgb(200, 0, 0));
        QCOMPARE(f.editor.grid().pixel(25, 50), qRgb(190, 190, 190));
        QCOMPARE(f.design.IconOrgineel()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), f.editor.icon());
        // What the window shows is the grid picture inside the border.
        const QImage shown = f.design.IconPicture()->grab().toImage();
        QCOMPARE(shown.pixel(32, 52), qRgb(200, 0, 0));
        QCOMPARE(shown.pixel(7, 52), qRgb(190, 190, 190));
        // Escape neither closes the editor nor loses the icon.
        f.design.show();
        QTest::keyClick(&f.design, Qt::Key_Escape);
        QVERIFY(f.design.isVisible());
        QCOMPARE(f.editor.icon().pixel(2, 4), qRgb(200, 0, 0));
    }

    void gridPicture_data()
    {
        QTest::addColumn<QString>("points");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("lines") << "5,5 5,355 355,5 355,355 15,100 100,15 345,200 200,345" << QColor(190, 190, 190);
        QTest::newRow("cells and margin") << "6,6 14,14 354,354 4,4 0,0 356,356 359,359 5,4 4,5 50,3" << QColor(Qt::white);
        QTest::newRow("mark outlines") << "1,85 3,95 1,90 357,175 359,185 85,1 95,3 265,357 275,359 2,85" << QColor(Qt::black);
        QTest::newRow("mark insides") << "2,86 2,94 358,176 358,184 86,2 94,2 266,358 274,358 358,270" << QColor(Qt::red);
        QTest::newRow("beside other cells") << "2,75 2,105 358,150 50,2 300,358 2,190" << QColor(Qt::white);
    }

    void gridPicture()
    {
        QFETCH(QString, points);
        QFETCH(QColor, colour);
        Fixture f;
        QCOMPARE(f.editor.grid().size(), QSize(360, 360));
        for (const QString& p : points.split(QLatin1Char(' '))) {
            const QPoint at(p.section(QLatin1Char(','), 0, 0).toInt(), p.section(QLatin1Char(','), 1, 1).toInt());
            QVERIFY2(QColor(f.editor.grid().pixel(at)) == colour, qPrintable(p));
        }
    }

    void colourPicker_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grid line") << QPoint(5, 50) << QColor(190, 190, 190);
        QTest::newRow("painted cell, off centre") << QPoint(27, 47) << QColor(0, 128, 255);
        QTest::newRow("empty cell") << QPoint(100, 100) << QColor(255, 255, 255);
        QTest::newRow("edge mark") << QPoint(358, 180) << QColor(255, 0, 0);
    }

    void colourPicker()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        Fixture f;
        f.editor.setDrawingColour(qRgb(0, 128, 255));
        play(f.design.IconPicture(), "P L 25 45");
        f.editor.setDrawingColour(qRgb(1, 1, 1));
        const QImage painted = f.editor.icon();

        f.design.KnopB(14)->click();
        QCOMPARE(f.editor.IconTool(), 14);
        for (int i = 1; i <= 14; ++i)
            QVERIFY(!f.design.KnopB(i)->isEnabled());
        QCOMPARE(f.design.IconPicture()->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(f.info.shown, QStringList{"Selecteer een kleur...."});

        // Moving only shows where the pointer is.
        play(f.design.IconPicture(), QStringLiteral("M L 60 60;M - %1 %2").arg(at.x()).arg(at.y()));
        QCOMPARE(f.editor.icon(), painted);

        play(f.design.IconPicture(), QStringLiteral("P L %1 %2;R L %1 %2").arg(at.x()).arg(at.y()));
        QCOMPARE(QColor(f.editor.drawingColour()), colour);
        QCOMPARE(background(f.design.TekenKleur()), colour);
        QCOMPARE(f.editor.icon(), painted);
        QCOMPARE(f.editor.IconTool(), 0);
        for (int i = 1; i <= 14; ++i)
            QVERIFY(f.design.KnopB(i)->isEnabled());
        QCOMPARE(f.design.IconPicture()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.info.shown, (QStringList{"Selecteer een kleur....", "-"}));

        // The next press paints again, in the picked colour.
        play(f.design.IconPicture(), "P L 100 5");
        QCOMPARE(QColor(f.editor.icon().pixel(9, 0)), colour);
    }

    void palette_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("tip");
        QTest::newRow("top-left") << QPoint(0, 0) << Qt::LeftButton << QColor(0, 0, 0) << " R:0 / G:0 / B:0 ";
        QTest::newRow("bottom-left") << QPoint(3, 230) << Qt::LeftButton << QColor(255, 255, 255)
                                     << " R:255 / G:255 / B:255 ";
        QTest::newRow("bottom of column 5") << QPoint(44, 228) << Qt::RightButton << QColor(0, 0, 0) << " R:0 / G:0 / B:0 ";
        QTest::newRow("column 3, row 4") << QPoint(26, 55) << Qt::RightButton << QColor(195, 0, 195)
                                         << " R:195 / G:0 / B:195 ";
        QTest::newRow("column 4, row 9") << QPoint(36, 120) << Qt::LeftButton << QColor(135, 135, 0)
                                         << " R:135 / G:135 / B:0 ";
    }

    void palette()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QColor, colour);
        QFETCH(QString, tip);
        Fixture f;
        f.editor.setDrawingColour(qRgb(1, 2, 3));
        IconPalette* palette = f.design.IconPalet();
        const QPoint inside = at + QPoint(2, 2);
        send(palette, QEvent::MouseMove, inside, Qt::NoButton, Qt::NoButton);
        QCOMPARE(palette->toolTip(), tip);
        QCOMPARE(QColor(f.editor.drawingColour()), QColor(1, 2, 3));
        send(palette, QEvent::MouseButtonPress, inside, button, button);
        QCOMPARE(QColor(f.editor.drawingColour()), colour);
        QCOMPARE(background(f.design.TekenKleur()), colour);
    }
};

QTEST_MAIN(TestIconDesign)
#include "tst_IconDesign.moc"
