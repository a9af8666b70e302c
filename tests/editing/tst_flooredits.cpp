#include "Named.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include "app/MainWindow.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

class TestFloorEdits : public QObject {
    Q_OBJECT
private slots:
    void flips_data()
    {
        // The menu entries in the order given (1 Spiegelbeeld, 2 Rotatie 180°) and
        // the picture they must leave: the drawing mirrored left-right, upside down.
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<int>("extraTwips");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("leftRight");
        QTest::addColumn<bool>("upsideDown");
        QTest::newRow("mirror") << QList<int>{1} << 0 << true << true << false;
        QTest::newRow("upside down, sound off") << QList<int>{2} << 0 << false << false << true;
        QTest::newRow("both turn it round") << QList<int>{1, 2} << 0 << true << true << true;
        QTest::newRow("mirror twice gives back") << QList<int>{1, 1} << 0 << true << false << false;
        QTest::newRow("upside down twice gives back") << QList<int>{2, 2} << 0 << false << false << false;
        QTest::newRow("mirror at 450 px") << QList<int>{1} << 1500 << true << true << false;
    }

    void flips()
    {
        QFETCH(QList<int>, entries);
        QFETCH(int, extraTwips);
        QFETCH(bool, soundOn);
        QFETCH(bool, leftRight);
        QFETCH(bool, upsideDown);
        TestProgram program;
        MainWindow& window = program.start();
        program.settings.soundOn = soundOn;
        program.settings.canvasExtraWidth = extraTwips;
        window.applyCanvasWidth();
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 3)->click();
        Plan& plan = window.plan();
        const int width = plan.canvasWidth();
        QCOMPARE(width, 350 + extraTwips / 15);
        plan.floor(3).image = patterned(width);
        plan.floor(1).image = patterned(width);
        const QImage undo = plan.undoPicture();
        for (int entry : entries)
            named<QAction>(window, QStringLiteral("flipAction"), entry)->trigger();

        QCOMPARE(plan.floor(3).image, patterned(width).mirrored(leftRight, upsideDown));
        // Only the current floor turns, and it is no drawing step.
        QCOMPARE(plan.floor(1).image, patterned(width));
        QCOMPARE(plan.undoPicture(), undo);
        QCOMPARE(program.sound.played, soundOn ? QStringList(entries.size(), program.path("sounds/zoef.wav")) : QStringList());
    }

    // Spiegelbeeld, Rotatie and Plakken work on the shown part: with drawing
    // hidden beyond a narrowed canvas they ask first, and No keeps the floor
    // whole. What Yes leaves is the plan's own (tst_plan).
    void hiddenColumnsAskFirst_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Spiegelbeeld, no") << "flipAction1" << false;
        QTest::newRow("Rotatie 180°, yes") << "flipAction2" << true;
        QTest::newRow("Plakken, no") << "pasteAction" << false;
        QTest::newRow("Plakken, yes") << "pasteAction" << true;
    }

    void hiddenColumnsAskFirst()
    {
        QFETCH(QString, action);
        QFETCH(bool, answer);
        TestProgram program;
        MainWindow& window = program.start();
        const auto setWidth = [&](int extraTwips) {
            program.settings.canvasExtraWidth = extraTwips;
            window.applyCanvasWidth();
        };
        setWidth(1800);
        window.plan().floor(1).image = patterned(470);
        setWidth(0);
        program.prompts.yesNoAnswers << answer;
        named<QAction>(window, action)->trigger();
        QCOMPARE(program.prompts.questions,
                 QStringList{" Verborgen deel|Rechts van het canvas staat nog tekening die bij deze breedte niet te zien is.\r\n"
                             "Deze bewerking werkt alleen op het zichtbare deel; het verborgen deel verdwijnt.\r\nWilt u doorgaan?"});
        setWidth(1800);
        QCOMPARE(window.plan().floor(1).image == patterned(470), !answer);
    }
};

QTEST_MAIN(TestFloorEdits)
#include "tst_flooredits.moc"
