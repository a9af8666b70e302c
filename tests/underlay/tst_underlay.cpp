// The paper plan under a floor: how the canvas composes it with the drawing,
// the grid and the floor below; calibration and straightening measured on a
// generated scan; the kept choices; and that it never reaches the drawing.
#include "DrawingRig.h"
#include "Named.h"
#include "PlanPage.h"

#include "app/MainWindow.h"
#include "drawing/ScaleDialog.h"
#include "floors/CanvasWidget.h"
#include "image/Primitives.h"
#include "image/TextStamp.h"
#include "image/Twips.h"
#include "plan/PlanScale.h"
#include "plan/UnderlayFile.h"
#include "underlay/UnderlayControls.h"
#include "underlay/UnderlayDialog.h"

#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {
constexpr QRgb White = qRgb(255, 255, 255);

// The drawing tools on three canvases, with the paper plans' controls on top.
struct UnderlayRig : PointerRig {
    PlanScale scale;
    std::array<CanvasWidget*, 3> canvases{};
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QList<int> suggestions;
    int answerScale = 0; // what the scale question sets; 0 cancels it
    std::unique_ptr<UnderlayControls> controls;

    explicit UnderlayRig(int centimetres = 0)
    {
        scale.set(centimetres);
        engine.setScale(&scale);
        for (int f = 1; f <= 3; ++f) {
            canvases[size_t(f - 1)] = new CanvasWidget(f, plan.floor(f), window.get());
            CanvasWidget* canvas = canvases[size_t(f - 1)];
            canvas->resize(plan.floor(f).image.size());
            // Wired to the tools as the main window wires them.
            using Buttons = Qt::MouseButtons;
            QObject::connect(canvas, &CanvasWidget::pressed, [this](int floor, Buttons b, auto, QPointF at) { engine.press(floor, b, at); });
            QObject::connect(canvas, &CanvasWidget::moved, [this](int floor, Buttons b, auto, QPointF at) { engine.move(floor, b, at); });
            QObject::connect(canvas, &CanvasWidget::released, [this](int floor, Buttons b, auto, QPointF at) { engine.release(floor, b, at); });
        }
        controls = std::make_unique<UnderlayControls>(context, plan, scale, canvases, [this](int suggestion) {
            suggestions << suggestion;
            return answerScale > 0 && scale.set(answerScale);
        });
        window->show();
    }

    // What the canvas of `floor` shows.
    QImage screen(int floor = 1)
    {
        QImage shown(plan.floor(floor).image.size(), QImage::Format_RGB32);
        QPainter painter(&shown);
        canvases[size_t(floor - 1)]->renderPicture(painter, shown.rect());
        return shown;
    }

    void click(QPoint at) { QTest::mouseClick(canvases[0], Qt::LeftButton, Qt::NoModifier, at); }

    // Where the user sees the end of a length: the darkest pixel beside the
    // line on its end tick, near where `page` puts it.
    QPoint seenEnd(const PlanPage& page, QPointF onPage, bool level)
    {
        const QTransform toCanvas = page.turn * plan.underlay(1).placement.transform();
        const QPoint guess = toCanvas.map(onPage).toPoint();
        const QImage shown = screen();
        QPoint best = guess;
        int darkest = 256;
        for (int step = -4; step <= 4; ++step) {
            // Four pixels off the line itself, along the tick.
            const QPoint p = level ? QPoint(guess.x() + step, guess.y() - 4) : QPoint(guess.x() - 4, guess.y() + step);
            if (shown.rect().contains(p) && qRed(shown.pixel(p)) < darkest) {
                darkest = qRed(shown.pixel(p));
                best = level ? QPoint(p.x(), guess.y()) : QPoint(guess.x(), p.y());
            }
        }
        return best;
    }

    // Shifts the plan with the arrow keys' steps until `onPage` sits mid-canvas.
    void bringToMiddle(const PlanPage& page, QPointF onPage)
    {
        const QPointF at = (page.turn * plan.underlay(1).placement.transform()).map(onPage);
        const QPointF middle(plan.canvasWidth() / 2.0, CanvasHeight / 2.0);
        controls->moveBy(QPointF(std::round(middle.x() - at.x()), std::round(middle.y() - at.y())));
    }

    // The length the dimension tool writes for a drag from `from` to `to`:
    // its text read back from the picture against every candidate reading.
    double dimensionMetres(QPoint from, QPoint to, bool level)
    {
        // Drawn as the user does, along the length's line.
        (level ? to.ry() : to.rx()) = level ? from.y() : from.x();
        image().fill(White);
        plan.toolChoice.current = ToolKind::Dimension;
        plan.toolChoice.arrowStyle = 1;
        drag(from, {to});
        const QImage drawn = level ? image().copy(0, 0, image().width(), from.y() - 5) : image().copy(0, 0, from.x() - 4, image().height());
        const QImage text = drawn.copy(inkedArea(drawn));
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        for (int cm = 1; cm < 2000; ++cm) {
            QImage sample = filled(200, White, 40);
            drawText(sample, QPoint(10, 10), PlanScale::metresText(cm / 100.0), font, qRgb(0, 0, 0));
            if (sample.copy(inkedArea(sample)) == text)
                return cm / 100.0;
        }
        return -1;
    }

    // Calibrates on the page's reference by clicking its ends as a user does.
    void calibrateOnReference(const PlanPage& page)
    {
        bringToMiddle(page, page.reference.line.center());
        prompts.textAnswers.enqueue(QStringLiteral("10,00"));
        controls->startCalibration();
        click(seenEnd(page, page.reference.line.p1(), true));
        click(seenEnd(page, page.reference.line.p2(), true));
        QTRY_VERIFY(prompts.textAnswers.isEmpty());
    }
};

QString writePage(const QTemporaryDir& dir, const PlanPage& page)
{
    const QString path = dir.filePath(QStringLiteral("plan.png"));
    page.image.save(path);
    return path;
}
} // namespace

class TestUnderlay : public QObject {
    Q_OBJECT
private slots:
    void composedScreen_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<bool>("floorBelow");
        // The pixels at (0,1) drawn red, (1,1) white over the plan's black,
        // (2,1) under the floor below's ink, (10,1) on a grid line.
        QTest::addColumn<QList<QRgb>>("expected");
        const QRgb red = qRgb(255, 0, 0);
        QTest::newRow("default") << Underlay::DefaultStrength << false << false
                                 << QList<QRgb>{red, qRgb(153, 153, 153), qRgb(153, 153, 153), qRgb(153, 153, 153)};
        QTest::newRow("darkest") << 100 << false << false << QList<QRgb>{red, qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)};
        QTest::newRow("lightest") << 5 << false << false
                                  << QList<QRgb>{red, qRgb(242, 242, 242), qRgb(242, 242, 242), qRgb(242, 242, 242)};
        QTest::newRow("grid over it") << 30 << true << false
                                      << QList<QRgb>{red, qRgb(178, 178, 178), qRgb(178, 178, 178), GridOverlay::Line};
        QTest::newRow("floor below over it")
            << 30 << true << true << QList<QRgb>{red, qRgb(178, 178, 178), qRgb(205, 205, 205), GridOverlay::Line};
    }
    void composedScreen()
    {
        QFETCH(int, strength);
        QFETCH(bool, grid);
        QFETCH(bool, floorBelow);
        QFETCH(QList<QRgb>, expected);
        UnderlayRig rig;
        rig.plan.setCurrentFloor(2);
        // A black plan over the left 20 pixels of the top rows, shown one to one.
        QImage black = filled(20, qRgb(0, 0, 0), 4);
        Underlay& underlay = rig.plan.underlay(2);
        underlay.setPicture(black, black.size());
        underlay.placement = UnderlayPlacement();
        underlay.setStrength(strength);
        rig.plan.renderUnderlay(2);
        rig.image(2).setPixel(0, 1, qRgb(255, 0, 0));
        rig.image(1).setPixel(2, 1, qRgb(0, 0, 0));
        if (floorBelow)
            rig.canvases[1]->setFloorBelow(&rig.plan.floor(1));
        if (grid)
            rig.canvases[1]->setGridSpacing(10);
        const QImage shown = rig.screen(2);
        const QList<QRgb> seen{shown.pixel(0, 1), shown.pixel(1, 1), shown.pixel(2, 1), shown.pixel(10, 1)};
        QCOMPARE(seen, expected);
        // Beyond the plan the canvas stays white, and the floor's own pixels never took the plan in.
        QCOMPARE(shown.pixel(33, 33), White);
        QCOMPARE(inkedPixels(rig.image(2)), QList<QPoint>{QPoint(0, 1)});
    }

    // The generated scan, turned or not: calibrated on its 10,00 m reference
    // (and, turned, first straightened), its three other lengths read within 1 %.
    void calibratedLengths_data()
    {
        QTest::addColumn<double>("turn");
        QTest::newRow("level scan") << 0.0;
        QTest::newRow("scan turned 2 degrees") << 2.0;
    }
    void calibratedLengths()
    {
        QFETCH(double, turn);
        QTemporaryDir dir;
        const PlanPage page = PlanPage::make(turn);
        UnderlayRig rig(3);
        QVERIFY(rig.controls->choose(writePage(dir, page)));
        if (turn != 0) {
            rig.controls->startStraightening();
            rig.click(rig.seenEnd(page, page.reference.line.p1(), true));
            rig.click(rig.seenEnd(page, page.reference.line.p2(), true));
            QTRY_VERIFY(std::abs(rig.plan.underlay(1).placement.angle + turn) < 0.3);
        }
        rig.calibrateOnReference(page);
        QVERIFY(rig.prompts.messages.isEmpty());
        // Choosing, turning, scaling and shifting the plan left the drawing and its history alone.
        QVERIFY(inkedPixels(rig.image()).isEmpty());
        QVERIFY(!rig.plan.history().canUndo());
        for (const PlanPage::Length& length : page.lengths) {
            rig.bringToMiddle(page, length.line.center());
            const bool level = length.line.dy() == 0;
            const double read = rig.dimensionMetres(rig.seenEnd(page, length.line.p1(), level),
                                                    rig.seenEnd(page, length.line.p2(), level), level);
            QVERIFY2(std::abs(read - length.metres) <= 0.01 * length.metres,
                     qPrintable(QStringLiteral("%1 m read as %2 m").arg(length.metres).arg(read)));
        }
    }

    // Kept per floor over a restart; a floor whose lines are not sound goes without.
    void keptChoices_data()
    {
        QTest::addColumn<QByteArray>("floorTwoLines");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<int>("strength");
        const QByteArray sound = "bestand=/plannen/boven.pdf\r\npagina=2\r\nschaal=0.25\r\nhoek=-2\r\nx=10.5\r\ny=-3\r\n";
        QTest::newRow("as written") << sound + "sterkte=55\r\n" << true << 55;
        QTest::newRow("strength beyond range") << sound + "sterkte=400\r\n" << true << 100;
        QTest::newRow("strength missing") << sound << true << Underlay::DefaultStrength;
        QTest::newRow("scale not a number") << QByteArray(sound).replace("0.25", "kwart") << false << Underlay::DefaultStrength;
        QTest::newRow("scale zero") << QByteArray(sound).replace("0.25", "0") << false << Underlay::DefaultStrength;
        QTest::newRow("scale infinite") << QByteArray(sound).replace("0.25", "inf") << false << Underlay::DefaultStrength;
        QTest::newRow("angle missing") << QByteArray(sound).replace("hoek=-2\r\n", "") << false << Underlay::DefaultStrength;
        QTest::newRow("page zero") << QByteArray(sound).replace("pagina=2", "pagina=0") << false << Underlay::DefaultStrength;
        QTest::newRow("no file") << QByteArray(sound).replace("/plannen/boven.pdf", "") << false << Underlay::DefaultStrength;
    }
    void keptChoices()
    {
        QFETCH(QByteArray, floorTwoLines);
        QFETCH(bool, kept);
        QFETCH(int, strength);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano-onderlegger.ini"),
                          "verdieping=2\r\n" + floorTwoLines + "verdieping=3\r\nbestand=/plannen/zolder.jpg\r\npagina=1\r\n"
                          "schaal=2\r\nhoek=0\r\nx=0\r\ny=0\r\nsterkte=30\r\n");
        Underlay floors[3];
        const QString path = UnderlayFile::path(program.folder());
        QVERIFY(UnderlayFile::read(path, {&floors[0], &floors[1], &floors[2]}));
        QVERIFY(!floors[0].isChosen());
        QCOMPARE(floors[2].file, QStringLiteral("/plannen/zolder.jpg"));
        QCOMPARE(floors[1].isChosen(), kept);
        QCOMPARE(floors[1].strength(), strength);
        if (!kept)
            return;
        QCOMPARE(floors[1].file, QStringLiteral("/plannen/boven.pdf"));
        QCOMPARE(floors[1].page, 2);
        QCOMPARE(floors[1].placement.scale, 0.25);
        QCOMPARE(floors[1].placement.angle, -2.0);
        QCOMPARE(floors[1].placement.offset, QPointF(10.5, -3));
        // Written back, it reads the same.
        QVERIFY(UnderlayFile::write(path, {&floors[0], &floors[1], &floors[2]}));
        Underlay again[3];
        QVERIFY(UnderlayFile::read(path, {&again[0], &again[1], &again[2]}));
        QCOMPARE(again[1].placement.offset, floors[1].placement.offset);
        QCOMPARE(again[1].strength(), strength);
        QCOMPARE(again[2].placement.scale, 2.0);
    }

    // A kept plan whose file is gone: one message at start, the floor goes on
    // without it, and the choice waits in the file for the file's return.
    void missingFileAtStart()
    {
        QTemporaryDir dir;
        const QString planPath = dir.filePath(QStringLiteral("plan.png"));
        filled(40, qRgb(0, 0, 0), 30).save(planPath);
        UnderlayRig rig;
        const QByteArray lines = "pagina=1\r\nschaal=1\r\nhoek=0\r\nx=0\r\ny=0\r\nsterkte=30\r\n";
        const QByteArray kept = "verdieping=1\r\nbestand=" + planPath.toUtf8() + "\r\n" + lines
            + "verdieping=3\r\nbestand=/weg/zolder.jpg\r\n" + lines;
        rig.writeFile(QStringLiteral("Rimbano-onderlegger.ini"), kept);
        rig.controls->restore();
        QCOMPARE(rig.prompts.messages,
                 QStringList{QStringLiteral("De onderlegger kan niet worden gelezen voor de 2e verdieping: /weg/zolder.jpg.\r\n"
                                            "Die verdieping gaat verder zonder onderlegger.")});
        QVERIFY(rig.plan.underlay(1).isShown());
        QCOMPARE(rig.screen(1).pixel(5, 5), qRgb(178, 178, 178));
        QVERIFY(!rig.plan.underlay(3).isShown());
        QCOMPARE(rig.screen(3).pixel(5, 5), White);
        QCOMPARE(rig.readFile(QStringLiteral("Rimbano-onderlegger.ini")), kept);
    }

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

QTEST_MAIN(TestUnderlay)
#include "tst_underlay.moc"
