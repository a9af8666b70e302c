#include "TestProgram.h"

#include "drawing/PlanScale.h"
#include "drawing/ScaleDialog.h"
#include "drawing/ScaleFile.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestPlanScale : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void bounds();
    void chosenInDialogAndKept();
    void cancelKeepsScale();
    void settingsFileUntouched();
    void scaleFileWithGrid_data();
    void scaleFileWithGrid();
};

void TestPlanScale::texts_data()
{
    QTest::addColumn<int>("centimetres");
    QTest::addColumn<double>("pixels");
    QTest::addColumn<QString>("length");
    QTest::newRow("5 cm, 69 px") << 5 << 69.0 << QStringLiteral("3,45 m");
    QTest::newRow("2 cm, 100 px") << 2 << 100.0 << QStringLiteral("2,00 m");
    QTest::newRow("1 cm, 7 px") << 1 << 7.0 << QStringLiteral("0,07 m");
    QTest::newRow("100 cm, 455 px") << 100 << 455.0 << QStringLiteral("455,00 m");
}

void TestPlanScale::texts()
{
    QFETCH(int, centimetres);
    QFETCH(double, pixels);
    PlanScale scale;
    QVERIFY(scale.set(centimetres));
    QTEST(PlanScale::metresText(scale.metres(pixels)), "length");
}

void TestPlanScale::bounds()
{
    PlanScale scale;
    QVERIFY(!scale.isOn());
    QVERIFY(!scale.set(101));
    QVERIFY(!scale.set(-1));
    QVERIFY(scale.set(2));
    // A 100 x 50 room at 2 cm per pixel is 2 m by 1 m.
    QCOMPARE(PlanScale::areaText(scale.squareMetres(100 * 50)), QStringLiteral("Oppervlakte: 2,00 m²"));
    QVERIFY(scale.set(0));
    QVERIFY(!scale.isOn());
}

void TestPlanScale::chosenInDialogAndKept()
{
    TestProgram program;
    {
        MainWindow& window = program.start();
        QVERIFY(!window.menus().ExtraPrintenOpSchaal->isEnabled());
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ScaleDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->gridSpinBox()->text(), QStringLiteral("10 pixels"));
            dialog->spinBox()->setValue(5);
            QCOMPARE(dialog->gridSpinBox()->text(), QStringLiteral("100 cm"));
            dialog->gridSpinBox()->setValue(50);
            dialog->accept();
        });
        window.menus().ExtraSchaal->trigger();
        QCOMPARE(window.scale().centimetresPerPixel(), 5);
        QVERIFY(window.menus().ExtraPrintenOpSchaal->isEnabled());
        QCOMPARE(program.readFile(QStringLiteral("Rimbano-schaal.ini")),
                 QByteArray("5\r\nraster=0\r\nuitlijnen=0\r\nraster-cm=50\r\nraster-pixels=10\r\n"));
    }
    MainWindow& again = program.start();
    QCOMPARE(again.scale().centimetresPerPixel(), 5);
    QCOMPARE(again.grid().spacingCentimetres, 50);
}

void TestPlanScale::cancelKeepsScale()
{
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano-schaal.ini"), "3\r\n");
    MainWindow& window = program.start();
    QCOMPARE(window.scale().centimetresPerPixel(), 3);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ScaleDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->spinBox()->text(), QStringLiteral("3 cm"));
        dialog->spinBox()->setValue(0);
        QCOMPARE(dialog->spinBox()->text(), QStringLiteral("uit"));
        dialog->reject();
    });
    window.menus().ExtraSchaal->trigger();
    QCOMPARE(window.scale().centimetresPerPixel(), 3);
}

void TestPlanScale::settingsFileUntouched()
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

void TestPlanScale::scaleFileWithGrid_data()
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

void TestPlanScale::scaleFileWithGrid()
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

QTEST_MAIN(TestPlanScale)
#include "tst_planscale.moc"
