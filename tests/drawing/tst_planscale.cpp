#include "TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/PlanScale.h"
#include "drawing/ScaleDialog.h"
#include "floors/CanvasWidget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestPlanScale : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<QString>("length");
        QTest::newRow("5 cm, 69 px") << 5 << 69.0 << QStringLiteral("3,45 m");
        QTest::newRow("2 cm, 100 px") << 2 << 100.0 << QStringLiteral("2,00 m");
        QTest::newRow("1 cm, 7 px") << 1 << 7.0 << QStringLiteral("0,07 m");
        QTest::newRow("100 cm, 455 px") << 100 << 455.0 << QStringLiteral("455,00 m");
    }

    void texts()
    {
        QFETCH(int, centimetres);
        QFETCH(double, pixels);
        PlanScale scale;
        QVERIFY(scale.set(centimetres));
        QTEST(PlanScale::metresText(scale.metres(pixels)), "length");
    }

    void readAtStart_data()
    {
        // What a user or a broken disk may leave in the scale file; anything
        // that is not a whole number from 1 to 100 leaves the scale off.
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::addColumn<int>("centimetres");
        QTest::newRow("7") << QByteArray("7\r\n") << 7;
        QTest::newRow("100, blanks round it") << QByteArray("  100 \n") << 100;
        QTest::newRow("missing") << QByteArray() << 0;
        QTest::newRow("garbage") << QByteArray("\xFF\x00zeven\r\n", 9) << 0;
        QTest::newRow("0") << QByteArray("0\r\n") << 0;
        QTest::newRow("101") << QByteArray("101\r\n") << 0;
        QTest::newRow("negative") << QByteArray("-5\r\n") << 0;
        QTest::newRow("fraction") << QByteArray("2.5\r\n") << 0;
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
        emit window.Pic(1)->moved(1, Qt::NoButton, Qt::NoModifier, QPointF(100, 45));
        const QString metres = PlanScale::metresText(centimetres) + QStringLiteral(" ; ")
                               + PlanScale::metresText(0.45 * centimetres);
        QCOMPARE(window.CoordLabel()->text(), QStringLiteral("X = 100 ,Y = 45") + (centimetres ? "\n" + metres : QString()));
    }

    void chosenInDialog_data()
    {
        QTest::addColumn<int>("closing"); // 0 OK, 1 Cancel, 2 the close box
        QTest::addColumn<int>("kept");
        QTest::newRow("OK") << 0 << 5;
        QTest::newRow("Cancel") << 1 << 3;
        QTest::newRow("close box") << 2 << 3;
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
                dialog->spinBox()->setValue(5);
                if (closing == 0)
                    dialog->accept();
                else if (closing == 1)
                    dialog->reject();
                else
                    dialog->close();
            });
            window.menus().ExtraSchaal->trigger();
            QCOMPARE(window.scale().centimetresPerPixel(), kept);
            QCOMPARE(program.readFile(QStringLiteral("Rimbano-schaal.ini")), QByteArray::number(kept) + "\r\n");
        }
        MainWindow& again = program.start();
        QCOMPARE(again.scale().centimetresPerPixel(), kept);
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
};

QTEST_MAIN(TestPlanScale)
#include "tst_planscale.moc"
