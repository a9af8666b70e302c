#include "Named.h"
#include "iconeditor/IconDesign.h"
#include "iconeditor/IconGrid.h"
#include "iconeditor/IconPalette.h"
#include "image/IconOps.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

namespace {
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

// The empty icon with the cells of "0,0-3,0" (a row or column; several with ";") in black.
QImage inked(const QString& cells)
{
    QImage icon = blankIcon();
    for (const QString& part : cells.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList n = QString(part).replace(QLatin1Char('-'), QLatin1Char(',')).split(QLatin1Char(','));
        for (int y = n[1].toInt(); y <= n.value(3, n[1]).toInt(); ++y)
            for (int x = n[0].toInt(); x <= n.value(2, n[0]).toInt(); ++x)
                icon.setPixel(x, y, qRgb(0, 0, 0));
    }
    return icon;
}

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}
} // namespace

class TestIconDesign : public QObject {
    Q_OBJECT
private slots:
    void painting_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("coords");
        QTest::newRow("margin left draws nothing") << "P L 4 50" << "" << " X:0 - Y:5";
        QTest::newRow("first cell from x = 5") << "P L 5 5" << "0,0" << " X:1 - Y:1";
        QTest::newRow("last cell") << "P L 354 354" << "34,34" << " X:35 - Y:35";
        QTest::newRow("beyond the last cell") << "P L 355 100;P L 100 355" << "" << " X:10 - Y:36";
        QTest::newRow("right press draws nothing") << "P R 100 200" << "" << " X:10 - Y:20";
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
        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), script);
        QCOMPARE(f.editor.icon(), inked(cells));
        QCOMPARE(named<QLabel>(f.design, QStringLiteral("iconCoordinateLabel"))->text(), coords);
    }

    void paintedCellsShowOnGridAndPreview()
    {
        Fixture f;
        // A new editor draws in black, as its colour swatch shows.
        QCOMPARE(background(named<QLabel>(f.design, QStringLiteral("iconDrawingColour"))), QColor(Qt::black));
        f.editor.setDrawingColour(qRgb(200, 0, 0));
        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), "P L 25 45");
        QCOMPARE(named<QLabel>(f.design, QStringLiteral("originalIcon"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32), f.editor.icon());
        // What the window shows is the grid picture inside the border.
        const QImage shown = named<IconGrid>(f.design, QStringLiteral("iconGrid"))->grab().toImage();
        QCOMPARE(shown.pixel(32, 52), qRgb(200, 0, 0));
        QCOMPARE(shown.pixel(7, 52), qRgb(190, 190, 190));
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
        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), "P L 25 45");
        f.editor.setDrawingColour(qRgb(1, 1, 1));
        const QImage painted = f.editor.icon();

        const auto enabledButtons = [&] {
            int n = 0;
            for (int i = 1; i <= 14; ++i)
                n += named<QToolButton>(f.design, QStringLiteral("iconEditorButton"), i)->isEnabled();
            return n;
        };
        named<QToolButton>(f.design, QStringLiteral("iconEditorButton"), 14)->click();
        QCOMPARE(f.editor.tool(), 14);
        QCOMPARE(enabledButtons(), 0);
        QCOMPARE(named<IconGrid>(f.design, QStringLiteral("iconGrid"))->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(f.info.shown, QStringList{"Selecteer een kleur...."});

        // Moving only shows where the pointer is.
        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), QStringLiteral("M L 60 60;M - %1 %2").arg(at.x()).arg(at.y()));
        QCOMPARE(f.editor.icon(), painted);

        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), QStringLiteral("P L %1 %2;R L %1 %2").arg(at.x()).arg(at.y()));
        QCOMPARE(QColor(f.editor.drawingColour()), colour);
        QCOMPARE(background(named<QLabel>(f.design, QStringLiteral("iconDrawingColour"))), colour);
        QCOMPARE(f.editor.icon(), painted);
        QCOMPARE(f.editor.tool(), 0);
        QCOMPARE(enabledButtons(), 14);
        QCOMPARE(named<IconGrid>(f.design, QStringLiteral("iconGrid"))->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.info.shown, (QStringList{"Selecteer een kleur....", "-"}));

        // The next press paints again, in the picked colour.
        play(named<IconGrid>(f.design, QStringLiteral("iconGrid")), "P L 100 5");
        QCOMPARE(QColor(f.editor.icon().pixel(9, 0)), colour);
    }

    // Points in the palette's own pixels, border included.
    void palette_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("top-left") << QPoint(2, 2) << Qt::LeftButton << QColor(0, 0, 0);
        QTest::newRow("bottom-left") << QPoint(5, 232) << Qt::LeftButton << QColor(255, 255, 255);
        QTest::newRow("column 3, row 4") << QPoint(28, 57) << Qt::RightButton << QColor(195, 0, 195);
    }

    void palette()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QColor, colour);
        Fixture f;
        f.editor.setDrawingColour(qRgb(1, 2, 3));
        IconPalette* palette = named<IconPalette>(f.design, QStringLiteral("iconPalette"));
        send(palette, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        QCOMPARE(palette->toolTip(), QStringLiteral(" R:%1 / G:%2 / B:%3 ").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
        QCOMPARE(QColor(f.editor.drawingColour()), QColor(1, 2, 3));
        send(palette, QEvent::MouseButtonPress, at, button, button);
        QCOMPARE(QColor(f.editor.drawingColour()), colour);
        QCOMPARE(background(named<QLabel>(f.design, QStringLiteral("iconDrawingColour"))), colour);
    }
};

QTEST_MAIN(TestIconDesign)
#include "tst_IconDesign.moc"
