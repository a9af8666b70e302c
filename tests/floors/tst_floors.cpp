#include "Named.h"
#include "TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/ColorPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "floors/FloorSwitcher.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
const char SettingsFileText[] = "\"Mijn eigen regel\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n1500\r\n";

// Marks every floor with a dot of its own so a test can tell what was kept.
void markFloors(MainWindow& window)
{
    for (int f = 1; f <= 3; ++f)
        window.plan().floor(f).image.setPixel(10 * f, 20, qRgb(0, 0, 0));
}

bool isMarked(MainWindow& window, int f)
{
    return window.plan().floor(f).image.pixel(10 * f, 20) == qRgb(0, 0, 0);
}

QImage white(int width)
{
    QImage image(width, 455, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

class TestFloors : public QObject {
    Q_OBJECT
private slots:
    void chooseFloor_data()
    {
        QTest::addColumn<int>("floor");
        QTest::addColumn<QString>("title");
        QTest::newRow("ground") << 1 << QStringLiteral("Begane grond");
        QTest::newRow("first") << 2 << QStringLiteral("1e verdieping");
        QTest::newRow("second") << 3 << QStringLiteral("2e verdieping");
    }

    void chooseFloor()
    {
        QFETCH(int, floor);
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        markFloors(window);
        // Start from another floor so the switch really happens.
        named<QPushButton>(window, QStringLiteral("showFloorButton"), floor == 1 ? 2 : 1)->click();
        named<QPushButton>(window, QStringLiteral("showFloorButton"), floor)->click();

        QCOMPARE(window.plan().currentFloor(), floor);
        for (int j = 1; j <= 3; ++j) {
            QCOMPARE(named<QPushButton>(window, QStringLiteral("showFloorButton"), j)->isEnabled(), j != floor);
            QCOMPARE(named<QPushButton>(window, QStringLiteral("clearFloorButton"), j)->isEnabled(), j == floor);
            QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), j)->isVisible(), j == floor);
            QVERIFY(isMarked(window, j));
        }
        QTEST(named<QLabel>(window, QStringLiteral("floorTitle"), 1)->text(), "title");
        QTEST(named<QLabel>(window, QStringLiteral("floorTitle"), 2)->text(), "title");
    }

    // The floor's own button clears that floor, Nieuw clears all three; 0 is Nieuw.
    void clearing_data()
    {
        QTest::addColumn<int>("floor");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("first floor, yes") << 2 << true << " Nieuw|Wilt u de 1e verdieping verwijderen?";
        QTest::newRow("first floor, no") << 2 << false << " Nieuw|Wilt u de 1e verdieping verwijderen?";
        QTest::newRow("second floor, yes") << 3 << true << " Nieuw|Wilt u de 2e verdieping verwijderen?";
        QTest::newRow("new drawing, yes") << 0 << true << " Nieuw|Wilt u een nieuwe tekening maken? ";
        QTest::newRow("new drawing, no") << 0 << false << " Nieuw|Wilt u een nieuwe tekening maken? ";
    }

    void clearing()
    {
        QFETCH(int, floor);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        TestProgram program;
        MainWindow& window = program.start();
        markFloors(window);
        window.floorSwitcher().chooseFloor(floor == 0 ? 3 : floor);
        program.prompts.yesNoAnswers << answer;
        if (floor == 0)
            named<QAction>(window, QStringLiteral("newDrawingAction"))->trigger();
        else
            named<QPushButton>(window, QStringLiteral("clearFloorButton"), floor)->click();

        QCOMPARE(program.prompts.questions, QStringList{question});
        for (int j = 1; j <= 3; ++j) {
            const bool cleared = answer && (floor == 0 || floor == j);
            QCOMPARE(isMarked(window, j), !cleared);
            QVERIFY(!cleared || window.plan().floor(j).image == white(350));
        }
        // The user stays on the floor that was shown.
        QCOMPARE(window.plan().currentFloor(), floor == 0 ? 3 : floor);
    }

    // A narrowed canvas hides columns; an operation on the whole floor either
    // keeps them with the rest or, after a question, drops them: never a mix.
    void narrowAndWidenBack_data()
    {
        QTest::addColumn<QString>("between");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("result");
        QTest::newRow("nothing") << QString() << true << "drawn";
        QTest::newRow("Spiegelbeeld, widen, Undo") << QStringLiteral("Undo") << true << "drawn";
        QTest::newRow("Spiegelbeeld, no") << QStringLiteral("Spiegelbeeld") << false << "drawn";
        QTest::newRow("Spiegelbeeld, yes") << QStringLiteral("Spiegelbeeld") << true << "mirrored";
        QTest::newRow("Rotatie, yes") << QStringLiteral("Rotatie 180°") << true << "turned";
        QTest::newRow("Plakken, no") << QStringLiteral("Plakken") << false << "drawn";
        QTest::newRow("Plakken, yes") << QStringLiteral("Plakken") << true << "pasted";
        QTest::newRow("Nieuw") << QStringLiteral("Nieuw") << true << "white";
    }

    void narrowAndWidenBack()
    {
        QFETCH(QString, between);
        QFETCH(bool, answer);
        QFETCH(QString, result);
        TestProgram program;
        MainWindow& window = program.start();
        const auto setWidth = [&](int extraTwips) {
            program.settings.canvasExtraWidth = extraTwips;
            window.applyCanvasWidth();
        };
        setWidth(1800);
        for (int x = 0; x < 470; ++x)
            window.plan().floor(1).image.setPixel(x, x % 455, qRgb(0, 0, 0));
        const QImage drawn = window.plan().floor(1).image;
        setWidth(0);
        program.prompts.yesNoAnswers << answer;
        if (between == QStringLiteral("Undo")) {
            // Undo past the mirror brings back what it dropped, at whatever width.
            named<QAction>(window, QStringLiteral("flipAction1"))->trigger();
            setWidth(1800);
        }
        for (QAction* item : window.findChildren<QAction*>())
            if (item->text() == between)
                item->trigger();
        setWidth(1800);

        const QImage& image = window.plan().floor(1).image;
        const QImage shownPart = drawn.copy(0, 0, 350, 455);
        QImage expected = white(470);
        QPainter painter(&expected);
        if (result == QStringLiteral("drawn"))
            painter.drawImage(0, 0, drawn);
        else if (result == QStringLiteral("mirrored"))
            painter.drawImage(0, 0, shownPart.mirrored(true, false));
        else if (result == QStringLiteral("turned"))
            painter.drawImage(0, 0, shownPart.mirrored(false, true));
        else if (result == QStringLiteral("pasted"))
            painter.drawImage(0, 0, white(350));
        painter.end();
        QCOMPARE(image, expected);
        QCOMPARE(program.prompts.questions.size(), between.isEmpty() ? 0 : 1);
    }

    void functionKeyWithFocusOnColourBar()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QScrollBar* red = named<QScrollBar>(window, QStringLiteral("colourBar"), 1);
        red->setFocus();
        // F2 also works for the floor already shown.
        for (const auto& [key, floor] : {std::pair(Qt::Key_F3, 2), std::pair(Qt::Key_F4, 3), std::pair(Qt::Key_F2, 1),
                                         std::pair(Qt::Key_F2, 1)}) {
            QTest::keyClick(red, key);
            QCOMPARE(window.plan().currentFloor(), floor);
            QVERIFY(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), floor)->isVisible());
        }
    }

    void soundSwitch()
    {
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n");
        MainWindow& window = program.start();
        QAction* sound = named<QAction>(window, QStringLiteral("soundAction"));
        sound->trigger();
        QVERIFY(!program.settings.soundOn);
        QCOMPARE(sound->text(), QStringLiteral("Geluid uit"));
        sound->trigger();
        QVERIFY(program.settings.soundOn);
        QCOMPARE(sound->text(), QStringLiteral("Geluid aan"));
        // The switch itself is silent.
        QVERIFY(program.sound.played.isEmpty());
    }

    // Yes writes the settings as changed (sound off, green 200), keeping the user's
    // own first line; No keeps the program and its floors; a settings file that
    // cannot be written does not keep the program from ending.
    void exit_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("menu, yes") << true << true << false
                                   << QByteArray("\"Mijn eigen regel\"\r\n0,200,0\r\n#TRUE#\r\n#FALSE#\r\n1500\r\n");
        QTest::newRow("close box, no") << false << false << false << QByteArray(SettingsFileText);
        QTest::newRow("close box, yes, settings unwritable") << false << true << true << QByteArray();
    }

    void exit()
    {
        QFETCH(bool, viaMenu);
        QFETCH(bool, answer);
        QFETCH(bool, blocked);
        QFETCH(QByteArray, settings);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), SettingsFileText);
        MainWindow& window = program.start();
        window.show();
        markFloors(window);
        // A folder in the settings file's place cannot be replaced by a file, even by root.
        if (blocked)
            QVERIFY(QFile::remove(program.path(QStringLiteral("Rimbano.ini")))
                    && QDir(program.folder()).mkdir(QStringLiteral("Rimbano.ini")));
        named<QAction>(window, QStringLiteral("soundAction"))->trigger();
        program.settings.green = 200;
        program.prompts.yesNoAnswers << answer;
        if (viaMenu)
            named<QAction>(window, QStringLiteral("exitAction"))->trigger();
        else
            window.close();

        QCOMPARE(program.prompts.questions, QStringList(QStringLiteral(" Exit programma|Wilt u dit programma nu afsluiten?")));
        QCOMPARE(window.isVisible(), !answer);
        QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")), settings);
        QCOMPARE(QFileInfo(program.path(QStringLiteral("Rimbano.ini"))).isDir(), blocked);
        for (int j = 1; j <= 3; ++j)
            QVERIFY(isMarked(window, j));
    }
    // The floor below shows light grey under the shown floor's white pixels only,
    // and never enters the picture that undo, saving and printing read.
    void floorBelowGuide()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        const auto shown = [&](int floor, int x, int y) {
            window.floorSwitcher().chooseFloor(floor);
            return named<CanvasWidget>(window, QStringLiteral("floorCanvas"), floor)->grab().toImage().pixel(x, y) | 0xff000000u;
        };
        const QRgb white = qRgb(255, 255, 255), grey = qRgb(205, 205, 205);
        Plan& plan = window.plan();
        plan.floor(1).image.setPixel(10, 10, qRgb(0, 0, 0));
        plan.floor(1).image.setPixel(20, 20, qRgb(0, 0, 0));
        plan.floor(2).image.setPixel(20, 20, qRgb(255, 0, 0));
        plan.floor(2).image.setPixel(40, 40, qRgb(0, 0, 0));
        const QImage before = plan.floor(2).image;
        QAction* guide = named<QAction>(window, QStringLiteral("floorBelowAction"));
        QVERIFY(!guide->isChecked());
        QCOMPARE(shown(2, 10, 10), white);

        guide->trigger();
        QCOMPARE(shown(2, 10, 10), grey);
        QCOMPARE(shown(2, 20, 20), qRgb(255, 0, 0));
        QCOMPARE(shown(2, 5, 5), white);
        QCOMPARE(plan.floor(2).image, before);
        // The second floor shows the first floor, not the ground floor; the ground floor none.
        QCOMPARE(shown(3, 10, 10), white);
        QCOMPARE(shown(3, 40, 40), grey);
        QCOMPARE(shown(1, 11, 10), white);
        guide->trigger();
        QCOMPARE(shown(3, 40, 40), white);
    }
};

QTEST_MAIN(TestFloors)
#include "tst_floors.moc"
