// What the user does with a paper plan: the scale asked before a
// calibration, a PDF's page, the plan dragged with Ctrl, the canvas widened,
// and the window following a floor switch.
#include "Named.h"
#include "UnderlayRig.h"

#include "app/MainWindow.h"
#include "drawing/ScaleDialog.h"
#include "underlay/UnderlayDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPdfWriter>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestUnderlayControls : public QObject {
    Q_OBJECT
private slots:
    // Without a plan scale the calibration asks for one first, offering the
    // scale at which the whole page just fits; cancelled, nothing changes.
    void scaleAskedFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancelled") << 0;
        QTest::newRow("five centimetres") << 5;
    }
    void scaleAskedFirst()
    {
        QFETCH(int, answer);
        QTemporaryDir dir;
        const PlanPage page = PlanPage::make();
        UnderlayRig rig;
        rig.answerScale = answer;
        QVERIFY(rig.controls->choose(writePage(dir, page)));
        const UnderlayPlacement before = rig.plan.underlay(1).placement;
        const QPoint first = rig.seenEnd(page, page.reference.line.p1(), true);
        const QPoint second = rig.seenEnd(page, page.reference.line.p2(), true);
        QCOMPARE(rig.controls->calibrate(1, first, second, QStringLiteral("10.00")), answer > 0);
        // An A4 page at 1:100 is 21,0 by 29,7 m; 455 pixels down take 6,5 cm each.
        QCOMPARE(rig.suggestions, QList<int>{7});
        const double scale = rig.plan.underlay(1).placement.scale;
        QCOMPARE(scale == before.scale, answer == 0);
        if (answer > 0)
            QVERIFY(std::abs(scale * PlanPage::PixelsPerMetre * 10 - 200) < 2);
    }

    // A PDF of two pages asks which; a page it lacks or a cancel keeps what was there.
    void pdfPageAsked_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<int>("page"); // 0: the floor keeps nothing
        QTest::addColumn<QString>("message");
        QTest::newRow("second page") << std::optional<QString>(QStringLiteral(" 2 ")) << 2 << QString();
        QTest::newRow("third page") << std::optional<QString>(QStringLiteral("3")) << 0
                                    << QStringLiteral("Typ een paginanummer van 1 tot 2.");
        QTest::newRow("cancelled") << std::optional<QString>() << 0 << QString();
    }
    void pdfPageAsked()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(int, page);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bouwtekening.PDF"));
        {
            QPdfWriter writer(path);
            QPainter painter(&writer);
            writer.newPage();
            painter.fillRect(QRect(0, 0, writer.width(), writer.height()), Qt::black);
        }
        UnderlayRig rig;
        rig.prompts.openAnswers.enqueue(path);
        rig.prompts.textAnswers.enqueue(answer);
        rig.controls->chooseFile();
        QCOMPARE(rig.prompts.inputPrompts, QStringList{QStringLiteral("Welke pagina (1 tot 2)?")});
        QCOMPARE(rig.prompts.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig.plan.underlay(1).isShown(), page > 0);
        QCOMPARE(rig.plan.underlay(1).page, std::max(page, 1));
        // Only the second page is inked.
        if (page > 0)
            QCOMPARE(rig.screen().pixel(175, 227), qRgb(153, 153, 153));
    }

    // In the program: the scale question is the Schaal window, offering the
    // fitting scale; its OK keeps that scale and calibrates.
    void scaleWindowOffersFit()
    {
        QTemporaryDir dir;
        const PlanPage page = PlanPage::make();
        TestProgram program;
        MainWindow& window = program.start();
        QVERIFY(window.underlays().choose(writePage(dir, page)));
        QString offered;
        QTimer::singleShot(0, [&offered] {
            auto* dialog = qobject_cast<ScaleDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->spinBox()->text();
            dialog->accept();
        });
        const UnderlayPlacement& placement = window.plan().underlay(1).placement;
        const QTransform toCanvas = placement.transform();
        QVERIFY(window.underlays().calibrate(1, toCanvas.map(page.reference.line.p1()),
                                             toCanvas.map(page.reference.line.p2()), QStringLiteral("10")));
        QCOMPARE(offered, QStringLiteral("7 cm"));
        QVERIFY(program.readFile(QStringLiteral("Rimbano-schaal.ini")).startsWith("7\r\n"));
        QVERIFY(std::abs(placement.scale * PlanPage::PixelsPerMetre * 10 - 1000 / 7.0) < 0.01);
    }

    // A drag with Ctrl shifts the plan and draws nothing; without Ctrl the tool
    // draws as ever. A wider canvas lays the plan out anew, in place.
    void dragAndWidth()
    {
        UnderlayRig rig;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.png"));
        filled(4, qRgb(0, 0, 0), 4).save(path);
        QVERIFY(rig.controls->choose(path));
        rig.plan.toolChoice.current = ToolKind::Line;
        const QPointF before = rig.plan.underlay(1).placement.offset;
        CanvasWidget* canvas = rig.canvases[0];
        QTest::mousePress(canvas, Qt::LeftButton, Qt::ControlModifier, QPoint(100, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(130, 90), canvas->mapToGlobal(QPointF(130, 90)), Qt::NoButton,
                         Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(canvas, &move);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::ControlModifier, QPoint(130, 90));
        QCOMPARE(rig.plan.underlay(1).placement.offset, before + QPointF(30, -10));
        QVERIFY(inkedPixels(rig.image()).isEmpty());
        QVERIFY(rig.readFile(QStringLiteral("Rimbano-onderlegger.ini")).contains("x=" + QByteArray::number(before.x() + 30)));

        rig.drag(QPoint(10, 10), {QPoint(40, 10)});
        QVERIFY(!inkedPixels(rig.image()).isEmpty());

        const QPoint plan = (rig.plan.underlay(1).placement.offset + QPointF(1, 1)).toPoint();
        rig.plan.setCanvasWidth(500);
        QCOMPARE(rig.plan.underlay(1).shown().size(), QSize(500, CanvasHeight));
        QCOMPARE(rig.plan.underlay(1).shown().pixel(plan), qRgb(153, 153, 153));

        // The window follows a floor switch, and clicks awaited on the floor left behind draw again.
        UnderlayDialog dialog(*rig.controls);
        auto* status = named<QLabel>(dialog, QStringLiteral("underlayStatus"));
        QCOMPARE(status->text(), QStringLiteral("Begane grond: plan.png"));
        rig.controls->startCalibration();
        rig.canvases[1]->hide();
        rig.plan.setCurrentFloor(2);
        rig.canvases[0]->hide();
        rig.canvases[1]->show();
        QCOMPARE(status->text(), QStringLiteral("1e verdieping: geen onderlegger"));
        rig.plan.setCurrentFloor(1);
        rig.canvases[0]->show();
        rig.image().fill(White);
        QTest::mousePress(rig.canvases[0], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(rig.canvases[0], Qt::LeftButton, Qt::NoModifier, QPoint(25, 5));
        QVERIFY(inkedPixels(rig.image()).contains(QPoint(5, 5)));
    }
};

QTEST_MAIN(TestUnderlayControls)
#include "tst_underlaycontrols.moc"
