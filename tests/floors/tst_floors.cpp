#include "TestProgram.h"

#include "app/MainWindow.h"
#include "drawing/ColorPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "floors/FloorSwitcher.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// Marks every floor with a dot of its own so a test can tell what was kept.
void markFloors(MainWindow& window)
{
    for (int f = 1; f <= 3; ++f)
        window.floors().floor(f).image.setPixel(10 * f, 20, qRgb(0, 0, 0));
}

bool isMarked(MainWindow& window, int f)
{
    return window.floors().floor(f).image.pixel(10 * f, 20) == qRgb(0, 0, 0);
}

bool isWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}
} // namespace

class TestFloors : public QObject {
    Q_OBJECT
private slots:
    void chooseFloor_data();
    void chooseFloor();
    void clearShownFloor_data();
    void clearShownFloor();
    void newDrawing_data();
    void newDrawing();
    void narrowAndWidenBack_data();
    void narrowAndWidenBack();
    void functionKeyWithFocusOnColourBar();
    void soundSwitch();
    void exitYesWritesSettings();
    void exitNoKeepsRunning();
    void exitWithUnwritableSettings();
};

void TestFloors::chooseFloor_data()
{
    QTest::addColumn<int>("floor");
    QTest::addColumn<QString>("title");
    QTest::newRow("ground") << 1 << QStringLiteral("Begane grond");
    QTest::newRow("first") << 2 << QStringLiteral("1e verdieping");
    QTest::newRow("second") << 3 << QStringLiteral("2e verdieping");
}

void TestFloors::chooseFloor()
{
    QFETCH(int, floor);
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    markFloors(window);
    // Start from another floor so the switch really happens.
    window.floorPanel()->Vknop(floor == 1 ? 2 : 1)->click();
    window.floorPanel()->Vknop(floor)->click();

    QCOMPARE(int(program.state.CurrentFloor), floor);
    for (int j = 1; j <= 3; ++j) {
        QCOMPARE(window.floorPanel()->Vknop(j)->isEnabled(), j != floor);
        QCOMPARE(window.floorPanel()->VNknop(j)->isEnabled(), j == floor);
        QCOMPARE(window.Pic(j)->isVisible(), j == floor);
        QVERIFY(isMarked(window, j));
    }
    QTEST(window.BGlabel(1)->text(), "title");
    QTEST(window.BGlabel(2)->text(), "title");
}

void TestFloors::clearShownFloor_data()
{
    QTest::addColumn<int>("floor");
    QTest::addColumn<bool>("answer");
    QTest::newRow("first, yes") << 2 << true;
    QTest::newRow("first, no") << 2 << false;
    QTest::newRow("second, yes") << 3 << true;
}

void TestFloors::clearShownFloor()
{
    QFETCH(int, floor);
    QFETCH(bool, answer);
    TestProgram program;
    MainWindow& window = program.start();
    markFloors(window);
    window.floorSwitcher().chooseFloor(floor);
    program.prompts.yesNoAnswers << answer;
    window.floorPanel()->VNknop(floor)->click();

    QCOMPARE(program.prompts.questions,
             QStringList(QStringLiteral(" Nieuw|Wilt u de ") + Floors::floorName(floor) + QStringLiteral(" verwijderen?")));
    for (int j = 1; j <= 3; ++j)
        QCOMPARE(isMarked(window, j), j != floor || !answer);
    if (answer)
        QVERIFY(isWhite(window.floors().floor(floor).image));
}

void TestFloors::newDrawing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestFloors::newDrawing()
{
    QFETCH(bool, answer);
    TestProgram program;
    MainWindow& window = program.start();
    markFloors(window);
    window.floorSwitcher().chooseFloor(3);
    program.prompts.yesNoAnswers << answer;
    window.menus().FileNieuw->trigger();

    QCOMPARE(program.prompts.questions, QStringList(QStringLiteral(" Nieuw|Wilt u een nieuwe tekening maken? ")));
    for (int j = 1; j <= 3; ++j)
        QCOMPARE(isMarked(window, j), !answer);
    // The user stays on the floor that was shown.
    QCOMPARE(int(program.state.CurrentFloor), 3);
    QVERIFY(window.floorPanel()->Vknop(1)->isEnabled());
    QVERIFY(!window.floorPanel()->Vknop(3)->isEnabled());
}

void TestFloors::narrowAndWidenBack_data()
{
    QTest::addColumn<QString>("between");
    QTest::addColumn<bool>("kept");
    QTest::newRow("nothing") << QString() << true;
    QTest::newRow("Undo") << QStringLiteral("Undo") << true;
    QTest::newRow("Spiegelbeeld") << QStringLiteral("Spiegelbeeld") << true;
    QTest::newRow("Plakken") << QStringLiteral("Plakken") << true;
    QTest::newRow("Nieuw") << QStringLiteral("Nieuw") << false;
}

void TestFloors::narrowAndWidenBack()
{
    QFETCH(QString, between);
    QFETCH(bool, kept);
    TestProgram program;
    MainWindow& window = program.start();
    const auto setWidth = [&](int extraTwips) {
        program.state.CanvasExtraWidth = extraTwips;
        window.applyCanvasWidth();
    };
    setWidth(1800);
    for (int x = 0; x < 470; ++x)
        window.floors().floor(1).image.setPixel(x, x % 455, qRgb(0, 0, 0));
    const QImage drawn = window.floors().floor(1).image;
    setWidth(0);
    program.prompts.yesNoAnswers << true;
    for (QAction* item : window.findChildren<QAction*>())
        if (item->text() == between)
            item->trigger();
    setWidth(1800);

    // Whatever happened on the narrow canvas, the columns beyond it waited.
    QImage white(120, 455, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QImage& image = window.floors().floor(1).image;
    QCOMPARE(image.copy(350, 0, 120, 455), kept ? drawn.copy(350, 0, 120, 455) : white);
    if (between.isEmpty())
        QCOMPARE(image, drawn);
}

void TestFloors::functionKeyWithFocusOnColourBar()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QScrollBar* red = window.colorPanel()->RGBscroll(1);
    red->setFocus();
    QTest::keyClick(red, Qt::Key_F3);
    QCOMPARE(int(program.state.CurrentFloor), 2);
    QVERIFY(window.Pic(2)->isVisible());
    QCOMPARE(window.BGlabel(1)->text(), QStringLiteral("1e verdieping"));
    QTest::keyClick(red, Qt::Key_F4);
    QCOMPARE(int(program.state.CurrentFloor), 3);
    QTest::keyClick(red, Qt::Key_F2);
    QCOMPARE(int(program.state.CurrentFloor), 1);
    // The key also works for the floor already shown.
    QTest::keyClick(red, Qt::Key_F2);
    QCOMPARE(int(program.state.CurrentFloor), 1);
    QVERIFY(!window.floorPanel()->Vknop(1)->isEnabled());
}

void TestFloors::soundSwitch()
{
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n");
    MainWindow& window = program.start();
    QAction* sound = window.menus().ShowGeluid;
    sound->trigger();
    QVERIFY(!program.state.SoundOn);
    QVERIFY(!sound->isChecked());
    QCOMPARE(sound->text(), QStringLiteral("Geluid uit"));
    sound->trigger();
    QVERIFY(program.state.SoundOn);
    QCOMPARE(sound->text(), QStringLiteral("Geluid aan"));
    // The switch itself is silent.
    QVERIFY(program.sound.played.isEmpty());
}

void TestFloors::exitYesWritesSettings()
{
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), "\"Mijn eigen regel\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n1500\r\n");
    MainWindow& window = program.start();
    window.show();
    window.menus().ShowGeluid->trigger();
    program.state.ColorGreen = 200;
    program.prompts.yesNoAnswers << true;
    window.menus().FileExit->trigger();

    QCOMPARE(program.prompts.questions, QStringList(QStringLiteral(" Exit programma|Wilt u dit programma nu afsluiten?")));
    QVERIFY(!window.isVisible());
    QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")),
             QByteArray("\"Mijn eigen regel\"\r\n0,200,0\r\n#TRUE#\r\n#FALSE#\r\n1500\r\n"));
}

void TestFloors::exitNoKeepsRunning()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    markFloors(window);
    const QByteArray before = program.readFile(QStringLiteral("Rimbano.ini"));
    program.state.ColorRed = 77;
    program.prompts.yesNoAnswers << false;
    // The close box asks the same question as the menu.
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(program.prompts.questions.size(), 1);
    QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")), before);
    for (int j = 1; j <= 3; ++j)
        QVERIFY(isMarked(window, j));
}

void TestFloors::exitWithUnwritableSettings()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    // A folder in the settings file's place cannot be replaced by a file, even by root.
    QVERIFY(QFile::remove(program.path(QStringLiteral("Rimbano.ini"))));
    QVERIFY(QDir(program.folder()).mkdir(QStringLiteral("Rimbano.ini")));
    program.prompts.yesNoAnswers << true;
    window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(QFileInfo(program.path(QStringLiteral("Rimbano.ini"))).isDir());
}

QTEST_MAIN(TestFloors)
#include "tst_floors.moc"
