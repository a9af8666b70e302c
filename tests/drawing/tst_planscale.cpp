#include "Named.h"
#include "support/DrawingRig.h"

#include "app/MainWindow.h"
#include "plan/PlanScale.h"
#include "drawing/ScaleDialog.h"
#include "plan/ScaleFile.h"
#include "floors/CanvasWidget.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {
// The drawing tools on a plan with `centimetres` a pixel (0: a scale switched off).
struct ScaleRig : PointerRig {
    PlanScale scale;
    explicit ScaleRig(int centimetres)
    {
        scale.set(centimetres);
        engine.setScale(&scale);
        // A closed black room with 100 x 50 white pixels inside.
        drawBox(image(), QPoint(9, 9), QPoint(110, 60), qRgb(0, 0, 0), Pen{});
    }
};

// The window's coordinate read-out with the pointer at 100, 45.
QString readOut(MainWindow& window)
{
    emit named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(100, 45));
    return named<QLabel>(window, QStringLiteral("coordinateLabel"))->text();
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
        QTest::addColumn<QString>("readOut"); // at 100, 45
        const QString off = QStringLiteral("X = 100 ,Y = 45");
        QTest::newRow("1") << QByteArray("1\r\n") << off + "\n1,00 m ; 0,45 m";
        QTest::newRow("100, blanks round it") << QByteArray("  100 \n") << off + "\n100,00 m ; 45,00 m";
        QTest::newRow("missing") << QByteArray() << off;
        QTest::newRow("garbage") << QByteArray("\xFF\x00zeven\r\n", 9) << off;
        QTest::newRow("0") << QByteArray("0\r\n") << off;
        QTest::newRow("101") << QByteArray("101\r\n") << off;
        QTest::newRow("negative") << QByteArray("-5\r\n") << off;
        QTest::newRow("fraction") << QByteArray("2.5\r\n") << off;
    }

    void readAtStart()
    {
        QFETCH(QByteArray, file);
        TestProgram program;
        if (!file.isEmpty())
            program.writeFile(QStringLiteral("Rimbano-schaal.ini"), file);
        MainWindow& window = program.start();
        QFETCH(QString, readOut);
        QCOMPARE(::readOut(window), readOut);
        QCOMPARE(named<QAction>(window, QStringLiteral("printToScaleAction"))->isEnabled(), readOut.contains(" m"));
    }

    void chosenInDialog_data()
    {
        QTest::addColumn<int>("closing"); // 0 OK, 1 Cancel, 2 the close box
        QTest::addColumn<QString>("readOut");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("OK") << 0 << "X = 100 ,Y = 45\n5,00 m ; 2,25 m"
                            << QByteArray("5\r\nraster=0\r\nuitlijnen=0\r\nraster-cm=50\r\nraster-pixels=10\r\n");
        QTest::newRow("Cancel") << 1 << "X = 100 ,Y = 45\n3,00 m ; 1,35 m" << QByteArray("3\r\n");
        QTest::newRow("close box") << 2 << "X = 100 ,Y = 45\n3,00 m ; 1,35 m" << QByteArray("3\r\n");
    }

    void chosenInDialog()
    {
        QFETCH(int, closing);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-schaal.ini"), "3\r\n");
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
        QTEST(readOut(window), "readOut");
        QTEST(program.readFile(QStringLiteral("Rimbano-schaal.ini")), "file");
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
        ScaleRig rig(centimetres);
        rig.plan.toolChoice.current = tool;
        rig.plan.toolChoice.chosenOption = 1;
        rig.press(50, 30);
        rig.move(to.x(), to.y());
        QTEST(rig.info.last(), "info");
    }

    // The same strokes without a scale, with a scale set and switched off again,
    // and with the scale on: the first two agree in pixels and texts, the third
    // shows the strokes do measure.
    void scaleOffChangesNothing()
    {
        PointerRig never;
        drawBox(never.image(), QPoint(9, 9), QPoint(110, 60), qRgb(0, 0, 0), Pen{});
        ScaleRig switchedOff(5);
        switchedOff.scale.set(0);
        ScaleRig on(5);
        const auto draw = [](PointerRig& rig) {
            rig.plan.toolChoice.current = ToolKind::Dimension;
            rig.drag(QPoint(20, 100), {QPoint(200, 102)});
            rig.plan.toolChoice.current = ToolKind::Fill;
            rig.press(50, 30);
            rig.move(120, 45, Qt::NoButton);
            return QStringList{rig.info.shown.join('|'), rig.engine.coordText(), rig.engine.metresText()};
        };
        const QStringList texts = draw(never);
        QCOMPARE(texts, (QStringList{QString(), QStringLiteral("X = 120 ,Y = 45"), QString()}));
        QCOMPARE(draw(switchedOff), texts);
        QCOMPARE(switchedOff.image(), never.image());
        QVERIFY(draw(on) != texts);
        QVERIFY(on.image() != never.image());
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
        ScaleRig rig(centimetres);
        rig.image().fill(Qt::white);
        rig.plan.toolChoice.current = ToolKind::Dimension;
        rig.plan.toolChoice.arrowStyle = 1;
        rig.drag(from, {to});
        const QImage& image = rig.image();

        // The text alone, stamped the same way on white, tells its size.
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        QImage sample = filled(200, qRgb(255, 255, 255), 40);
        drawText(sample, QPoint(10, 10), text, font, qRgb(0, 0, 0));
        const QSize textSize = inkedArea(sample).size();
        QVERIFY(textSize.width() > 10);

        const bool level = std::abs(to.y() - from.y()) <= 5;
        if (level) {
            // Above the ticks, which reach 4 rows above the line, and centred on it.
            const QRect ink = inkedArea(image.copy(0, 0, image.width(), from.y() - 5));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().x() - (from.x() + to.x()) / 2) <= 2);
            QVERIFY(ink.bottom() < from.y() - 4);
        } else {
            const QRect ink = inkedArea(image.copy(0, 0, from.x() - 4, image.height()));
            QCOMPARE(ink.size(), textSize);
            QVERIFY(std::abs(ink.center().y() - (from.y() + to.y()) / 2) <= 4);
            QVERIFY(ink.right() < from.x() - 4);
        }
    }
};

QTEST_MAIN(TestPlanScale)
#include "tst_planscale.moc"
