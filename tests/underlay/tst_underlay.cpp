// The paper plan under a floor: how the canvas composes it with the drawing,
// the grid and the floor below; calibration and straightening measured on a
// generated scan; the kept choices and a file gone at start.
#include "UnderlayRig.h"

#include "plan/UnderlayFile.h"

#include <QtTest>

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
};

QTEST_MAIN(TestUnderlay)
#include "tst_underlay.moc"
