#include "Named.h"
#include "TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/DrawingControls.h"
#include "plan/PlanScale.h"
#include "drawing/ScaleDialog.h"
#include "plan/ScaleFile.h"
#include "floors/CanvasWidget.h"
#include "image/Primitives.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {
void drag(PointerEngine& engine, QPoint from, QPoint to)
{
    engine.press(1, Qt::LeftButton, from);
    engine.move(1, Qt::LeftButton, to);
    engine.release(1, Qt::LeftButton, to);
}

// A closed black room with 100 x 50 white pixels inside.
void drawRoom(MainWindow& window)
{
    drawBox(window.plan().floor(1).image, QPoint(9, 9), QPoint(110, 60), qRgb(0, 0, 0), Pen{});
}

// The box round every non-white pixel inside `area`.
QRect inkIn(const QImage& image, const QRect& area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

class TestPlanScale : public QObject {
    Q_OBJECT
private slots:
    void readAtStart_data()
    {
        // What a user or a broken disk may leave in the scale file; anything
        // that is not a whole number from 1 to 100 leaves the scale off.
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<QString>("readOut"); // at 100, 45
        const QString off = QStringLiteral("X = 100 ,Y = 45");
        QTest::newRow("1") << QByteArray("1\r\n") << 1 << off + "\n1,00 m ; 0,45 m";
        QTest::newRow("100, blanks round it") << QByteArray("  100 \n") << 100 << off + "\n100,00 m ; 45,00 m";
        QTest::newRow("missing") << QByteArray() << 0 << off;
        QTest::newRow("garbage") << QByteArray("\xFF\x00zeven\r\n", 9) << 0 << off;
        QTest::newRow("0") << QByteArray("0\r\n") << 0 << off;
        QTest::newRow("101") << QByteArray("101\r\n") << 0 << off;
        QTest::newRow("negative") << QByteArray("-5\r\n") << 0 << off;
        QTest::newRow("fraction") << QByteArray("2.5\r\n") << 0 << off;
    }

    void readAtStart()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, centimetres);
        TestProgram program;
        if (!file.isEmpty())
            program.writeFile(QStringLiteral("Rimbano-schaal.ini"), file);
        MainWindow& window = program.start();
        QCOMPARE(window.scale().centimetresPerPixel(), centimetres);
        QCOMPARE(window.scale().isOn(), centimetres > 0);
        QCOMPARE(named<QAction>(window, QStringLiteral("printToScaleAction"))->isEnabled(), centimetres > 0);
        emit named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(100, 45));
        QTEST(named<QLabel>(window, QStringLiteral("coordinateLabel"))->text(), "readOut");
    }

    void chosenInDialog_data()
    {
        QTest::addColumn<int>("closing"); // 0 OK, 1 Cancel, 2 the close box
        QTest::addColumn<int>("kept");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("OK") << 0 << 5 << QByteArray("5\r\nraster=0\r\nuitlijnen=0\r\nraster-cm=50\r\nraster-pixels=10\r\n");
        QTest::newRow("Cancel") << 1 << 3 << QByteArray("3\r\n");
        QTest::newRow("close box") << 2 << 3 << QByteArray("3\r\n");
    }

    void chosenInDialog()
    {
        QFETCH(int, closing);
        QFETCH(int, kept);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), "3\r\n");
        {
            MainWindow& window = program.start();
            QTimer::singleShot(0, [closing] {
                auto* dialog = qobject_cast<ScaleDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->spinBox()->text(), QStringLiteral("3 cm"));
                dialog->spinBox()->setValue(0);
                QCOMPARE(dialog->spinBox()->text(), QStringLiteral("uit"));
                QCOMPARE(dialog->gridSpinBox()->text(), QStringLiteral("10 pixels"));
                dialog->spinBox()->setValue(5);
                QCOMPARE(dialog->gridSpinBox()->text(), QStringLiteral("100 cm"));
                dialog->gridSpinBox()->setValue(50);
                if (closing == 0)
                    dialog->accept();
                else if (closing == 1)
                    dialog->reject();
                else
                    dialog->close();
            });
            named<QAction>(window, QStringLiteral("scaleAction"))->trigger();
            QCOMPARE(window.scale().centimetresPerPixel(), kept);
            QTEST(program.readFile(QStringLiteral("Rimbano-schaal.ini")), "file");
        }
        MainWindow& again = program.start();
        QCOMPARE(again.scale().centimetresPerPixel(), kept);
    }

    // A grid finer than 2 canvas pixels is refused on OK, and nothing typed is lost.
    void gridSpacingLimit_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QString>("refusal");
        const QString tooFine = QStringLiteral("De rasterlijnen moeten minstens 2 pixels uit elkaar liggen");
        QTest::newRow("2 pixels") << 0 << 2 << QString();
        QTest::newRow("1 pixel") << 0 << 1 << tooFine + '.';
        QTest::newRow("6 cm at 3 cm: 2 pixels") << 3 << 6 << QString();
        QTest::newRow("5 cm at 3 cm: 1.67 pixels") << 3 << 5 << tooFine + "; kies bij 3 cm per pixel minstens 6 cm.";
    }

    void gridSpacingLimit()
    {
        QFETCH(int, centimetres);
        QFETCH(int, spacing);
        QFETCH(QString, refusal);
        ScriptedPrompts prompts;
        ScaleDialog dialog(centimetres, GridSettings(), prompts);
        dialog.gridSpinBox()->setValue(spacing);
        dialog.show();
        dialog.accept();
        QCOMPARE(prompts.messages, refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(dialog.isVisible(), !refusal.isEmpty());
        QCOMPARE(dialog.result(), int(refusal.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(QPair(dialog.centimetresPerPixel(), dialog.gridSpinBox()->value()), QPair(centimetres, spacing));
    }

    // The grid's switches and spacing live beside the scale; a file from
    // before the grid, or with values nobody could have set, still reads.
    void scaleFileWithGrid_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<QList<int>>("grid");
        QTest::newRow("from before the grid") << QByteArray("5\r\n") << 5 << QList<int>{0, 0, 100, 10};
        QTest::newRow("grid kept") << QByteArray("4\r\nraster=1\r\nuitlijnen=1\r\nraster-cm=50\r\nraster-pixels=8\r\n")
                                   << 4 << QList<int>{1, 1, 50, 8};
        QTest::newRow("bad values fall back")
            << QByteArray("3\r\nraster=ja\r\nuitlijnen=2\r\nraster-cm=0\r\nraster-pixels=9999\r\n") << 3
            << QList<int>{0, 0, 100, 10};
        QTest::newRow("bad scale, grid still read") << QByteArray("x\r\nraster=1\r\n") << 0 << QList<int>{1, 0, 100, 10};
    }

    void scaleFileWithGrid()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, grid);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), file);
        PlanScale scale;
        GridSettings read;
        ScaleFile::read(program.path(QStringLiteral("Rimbano-schaal.ini")), scale, read);
        QTEST(scale.centimetresPerPixel(), "centimetres");
        QCOMPARE((QList<int>{read.shown, read.snap, read.spacingCentimetres, read.spacingPixels}), grid);
    }

    void settingsFileUntouched()
    {
        TestProgram program;
        const QByteArray settings("\"Rimbano\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n300\r\n");
        program.writeFile(QStringLiteral("Rimbano.ini"), settings);
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), "7\r\n");
        MainWindow& window = program.start();
        window.show();
        program.prompts.yesNoAnswers << true;
        window.close();
        QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")), settings);
    }

    void infoInMetres_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<ToolKind>("tool");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("info");
        QTest::newRow("fill, 2 cm") << 2 << ToolKind::Fill << QPoint(50, 30) << QStringLiteral("Oppervlakte: 2,00 m²");
        QTest::newRow("fill, 5 cm") << 5 << ToolKind::Fill << QPoint(50, 30) << QStringLiteral("Oppervlakte: 12,50 m²");
        QTest::newRow("rectangle, 2 cm") << 2 << ToolKind::Rectangle << QPoint(170, 110)
                                         << QStringLiteral("Breedte = 120, Hoogte = 80  (2,40 m x 1,60 m)");
    }

    void infoInMetres()
    {
        QFETCH(int, centimetres);
        QFETCH(ToolKind, tool);
        QFETCH(QPoint, to);
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(centimetres);
        drawRoom(window);
        window.plan().toolChoice.current = tool;
        window.plan().toolChoice.chosenOption = 1;
        PointerEngine& engine = window.drawing().engine();
        engine.press(1, Qt::LeftButton, QPointF(50, 30));
        engine.move(1, Qt::LeftButton, to);
        QTEST(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), "info");
    }

    void scaleOffChangesNothing()
    {
        // The same strokes in a program that never had a scale, in one whose scale
        // was set and switched off again, and in one with the scale on: the first
        // two agree in pixels and texts, the third shows the strokes do measure.
        TestProgram never;
        TestProgram switchedOff;
        TestProgram on;
        switchedOff.start().scale().set(5);
        switchedOff.window().scale().set(0);
        on.start().scale().set(5);
        for (TestProgram* program : {&never, &switchedOff, &on}) {
            MainWindow& window = program == &never ? never.start() : program->window();
            drawRoom(window);
            window.plan().toolChoice.current = ToolKind::Dimension;
            drag(window.drawing().engine(), QPoint(20, 100), QPoint(200, 102));
            window.plan().toolChoice.current = ToolKind::Fill;
            window.drawing().engine().press(1, Qt::LeftButton, QPointF(50, 30));
            emit named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(120, 45));
        }
        const auto picture = [](TestProgram& p) { return p.window().plan().floor(1).image; };
        const auto texts = [](TestProgram& p) { return named<InfoLabel>(p.window(), QStringLiteral("infoLabel"))->text() + '|' + named<QLabel>(p.window(), QStringLiteral("coordinateLabel"))->text(); };
        QCOMPARE(picture(switchedOff), picture(never));
        QCOMPARE(texts(switchedOff), texts(never));
        QCOMPARE(texts(never), QStringLiteral("Informatie...|X = 120 ,Y = 45"));
        QVERIFY(picture(on) != picture(never));
        QVERIFY(texts(on) != texts(never));
    }

    void dimensionLength_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("text");
        QTest::newRow("level, 5 cm") << 5 << QPoint(40, 200) << QPoint(109, 203) << QStringLiteral("3,45 m");
        QTest::newRow("level reversed, 2 cm") << 2 << QPoint(300, 100) << QPoint(100, 100) << QStringLiteral("4,00 m");
        QTest::newRow("plumb, 10 cm") << 10 << QPoint(200, 60) << QPoint(202, 360) << QStringLiteral("30,00 m");
    }

    void dimensionLength()
    {
        QFETCH(int, centimetres);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QString, text);
        TestProgram program;
        MainWindow& window = program.start();
        window.scale().set(centimetres);
        window.plan().toolChoice.current = ToolKind::Dimension;
        window.plan().toolChoice.arrowStyle = 1;
        drag(window.drawing().engine(), from, to);
        const QImage& image = window.plan().floor(1).image;

        // The text alone, printed the same way on white, tells its size.
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        QImage sample(200, 40, QImage::Format_RGB32);
        sample.fill(Qt::white);
        {
            QPainter painter(&sample);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(10, 30), text);
        }
        const QSize textSize = inkIn(sample, sample.rect()).size();
        QVERIFY(textSize.width() > 10);

        const bool level = from.y() == to.y() || std::abs(to.y() - from.y()) <= 5;
        QRect ink;
        if (level) {
            // Above the ticks, which reach 4 rows above the line, and centred on it.
            ink = inkIn(image, QRect(0, 0, image.width(), from.y() - 5));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().x() - (from.x() + to.x()) / 2) <= 2);
            QVERIFY(ink.bottom() < from.y() - 4);
        } else {
            ink = inkIn(image, QRect(0, 0, from.x() - 4, image.height()));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().y() - (from.y() + to.y()) / 2) <= 4);
            QVERIFY(ink.right() < from.x() - 4);
        }
    }
};

QTEST_MAIN(TestPlanScale)
#include "tst_planscale.moc"
