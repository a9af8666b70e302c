#include "app/ConfigDialog.h"
#include "app/MainWindow.h"
#include "drawing/magnifier/MagnifierPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray settings(bool saveAsJpg, int extraWidth)
{
    return QByteArray("\"Rimbano\"\r\n0,0,0\r\n") + (saveAsJpg ? "#TRUE#" : "#FALSE#")
        + "\r\n#TRUE#\r\n" + QByteArray::number(extraWidth) + "\r\n";
}

// Leaving the program ends the application's event loop, so it is done inside
// one, as in the running program; a loop left waiting fails after 5 s.
bool leaveProgram(TestProgram& program)
{
    program.prompts.yesNoAnswers.enqueue(true);
    QTimer::singleShot(0, &program.window(), [&] { program.window().close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    return QCoreApplication::exec() == 0;
}
} // namespace

class TestConfigDialog : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void openingShowsWidthStep_data();
    void openingShowsWidthStep();
    void widthBarWidensWindow_data();
    void widthBarWidensWindow();
    void zoomBar_data();
    void zoomBar();
    void formatSurvivesRestart_data();
    void formatSurvivesRestart();
    void hairsFollowCheckBox();
    void openingWithHairsOnChecksBox();
    void openingSound_data();
    void openingSound();
};

void TestConfigDialog::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected"); // relative to Frame1; width/height -1: sized by content
    QTest::newRow("Jpg option") << "JpgBmp0" << QRect(8, 16, -1, -1);
    QTest::newRow("Bmp option") << "JpgBmp1" << QRect(8, 34, -1, -1);
    QTest::newRow("zoom backdrop") << "Label1" << QRect(10, 66, 80, 20);
    QTest::newRow("zoom bar") << "HScroll1" << QRect(12, 68, 76, 16);
    QTest::newRow("zoom text") << "Label2" << QRect(96, 69, -1, -1);
    QTest::newRow("hairs box") << "Check1" << QRect(10, 100, 140, -1);
    QTest::newRow("width backdrop") << "Label4" << QRect(10, 130, 80, 20);
    QTest::newRow("width bar") << "HScroll2" << QRect(12, 132, 76, 16);
    QTest::newRow("width text") << "Label5" << QRect(96, 133, -1, -1);
    QTest::newRow("picture frame") << "Label3" << QRect(194, 14, 105, 104);
    QTest::newRow("picture") << "Image1" << QRect(198, 18, 97, 97);
    QTest::newRow("button backdrop") << "BackOk" << QRect(246, 142, 54, 25);
    QTest::newRow("exit button") << "OkKnop" << QRect(248, 144, 50, 21);
}

void TestConfigDialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    TestProgram program;
    ConfigDialog dialog(program.start());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Configuratie"));
    QCOMPARE(dialog.size(), QSize(312, 170));
    auto* frame = dialog.findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), QRect(4, -2, 307, 174));
    auto* control = frame->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->pos(), expected.topLeft());
    if (expected.width() >= 0)
        QCOMPARE(control->width(), expected.width());
    if (expected.height() >= 0)
        QCOMPARE(control->height(), expected.height());
    // Nothing may spill out of the frame on the right.
    QVERIFY(control->geometry().right() < frame->width());
}

void TestConfigDialog::openingShowsWidthStep_data()
{
    QTest::addColumn<int>("fileWidth");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("widthAfter");
    QTest::addColumn<QString>("label");
    QTest::newRow("base") << 0 << 0 << 0 << " 350 pixels breed";
    QTest::newRow("410 px") << 900 << 3 << 900 << " 410 pixels breed";
    QTest::newRow("widest") << 1800 << 6 << 1800 << " 470 pixels breed";
    // Widths off the 20-pixel grid land on the nearest step, halves to even.
    QTest::newRow("1.5 steps") << 450 << 2 << 600 << " 390 pixels breed";
    QTest::newRow("2.5 steps") << 750 << 2 << 600 << " 390 pixels breed";
    QTest::newRow("3.5 steps") << 1050 << 4 << 1200 << " 430 pixels breed";
}

void TestConfigDialog::openingShowsWidthStep()
{
    QFETCH(int, fileWidth);
    QFETCH(int, position);
    QFETCH(int, widthAfter);
    QFETCH(QString, label);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settings(true, fileWidth));
    MainWindow& main = program.start();
    ConfigDialog dialog(main);
    QCOMPARE(dialog.HScroll2()->value(), position);
    QCOMPARE(dialog.Label5()->text(), label);
    QCOMPARE(program.state.CanvasExtraWidth, widthAfter);
    QCOMPARE(main.Pic(1)->width(), 350 + widthAfter / 15);
}

void TestConfigDialog::widthBarWidensWindow_data()
{
    QTest::addColumn<int>("position");
    for (int v = 1; v <= 6; ++v)
        QTest::addRow("step %d", v) << v;
}

void TestConfigDialog::widthBarWidensWindow()
{
    QFETCH(int, position);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settings(true, 0));
    MainWindow& main = program.start();
    const int windowWidth = main.width();
    const int panelLeft = main.floorPanel()->x();
    main.floors().floor(2).image.setPixel(349, 454, qRgb(0, 0, 0));

    ConfigDialog dialog(main);
    dialog.HScroll2()->setValue(position);

    const int pixels = 350 + 20 * position;
    QCOMPARE(program.state.CanvasExtraWidth, 300 * position);
    QCOMPARE(main.width(), windowWidth + 20 * position);
    QCOMPARE(main.floorPanel()->x(), panelLeft + 20 * position);
    QCOMPARE(dialog.Label5()->text(), QStringLiteral(" %1 pixels breed").arg(pixels));
    QCOMPARE(main.floorPanel()->SMBlabel()->text(), QStringLiteral(" %1 pixels").arg(pixels));
    for (int f = 1; f <= 3; ++f) {
        QCOMPARE(main.Pic(f)->width(), pixels);
        QCOMPARE(main.floors().floor(f).image.width(), pixels);
    }
    // The drawing keeps its pixels; the new columns are white.
    const QImage& floor2 = main.floors().floor(2).image;
    QCOMPARE(floor2.pixel(349, 454), qRgb(0, 0, 0));
    QCOMPARE(floor2.pixel(pixels - 1, 454), qRgb(255, 255, 255));
}

void TestConfigDialog::zoomBar_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::newRow("smallest") << 1 << "Vergroting loep 1 x";
    QTest::newRow("largest") << 6 << "Vergroting loep 6 x";
}

void TestConfigDialog::zoomBar()
{
    QFETCH(int, position);
    QFETCH(QString, label);
    TestProgram program;
    ConfigDialog dialog(program.start());
    QCOMPARE(dialog.HScroll1()->minimum(), 1);
    QCOMPARE(dialog.HScroll1()->maximum(), 6);
    QCOMPARE(dialog.HScroll1()->value(), 2);
    QCOMPARE(dialog.Label2()->text(), QStringLiteral("Vergroting loep 2 x"));
    dialog.HScroll1()->setValue(position);
    QCOMPARE(dialog.Label2()->text(), label);
    QCOMPARE(program.state.MagnifierZoom, position);

    // The enlargement lasts for the run: the next opening shows it.
    ConfigDialog again(program.window());
    QCOMPARE(again.HScroll1()->value(), position);
    QCOMPARE(again.Label2()->text(), label);
}

void TestConfigDialog::formatSurvivesRestart_data()
{
    QTest::addColumn<bool>("jpgBefore");
    QTest::addColumn<int>("choose");
    QTest::addColumn<QByteArray>("line3");
    QTest::newRow("to Bmp") << true << 1 << QByteArray("#FALSE#");
    QTest::newRow("to Jpg") << false << 0 << QByteArray("#TRUE#");
}

void TestConfigDialog::formatSurvivesRestart()
{
    QFETCH(bool, jpgBefore);
    QFETCH(int, choose);
    QFETCH(QByteArray, line3);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settings(jpgBefore, 0));
    {
        ConfigDialog dialog(program.start());
        QVERIFY(dialog.JpgBmp(jpgBefore ? 0 : 1)->isChecked());
        dialog.JpgBmp(choose)->click();
        QCOMPARE(program.state.SaveAsJpg, choose == 0);
        dialog.OkKnop()->click();
    }
    QVERIFY(leaveProgram(program));
    QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")).split('\n').value(2), line3 + '\r');

    ConfigDialog dialog(program.start());
    QVERIFY(dialog.JpgBmp(choose)->isChecked());
    QVERIFY(!dialog.JpgBmp(1 - choose)->isChecked());
    QCOMPARE(program.state.SaveAsJpg, choose == 0);
}

void TestConfigDialog::hairsFollowCheckBox()
{
    TestProgram program;
    MainWindow& main = program.start();
    MagnifierPanel* panel = main.magnifierPanel();
    QVERIFY(!program.state.MagnifierOn);
    ConfigDialog dialog(main);
    QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten uit"));
    QVERIFY(!panel->LoepVlijn()->isVisibleTo(panel));

    dialog.Check1()->click();
    QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten aan"));
    QVERIFY(program.state.MagnifierCoordsOn);
    QVERIFY(panel->LoepVlijn()->isVisibleTo(panel));
    QVERIFY(panel->LoepHlijn()->isVisibleTo(panel));
    QCOMPARE(panel->LoepVlijn()->palette().color(QPalette::Window), QColor(128, 128, 128));

    dialog.Check1()->click();
    QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten uit"));
    QVERIFY(!program.state.MagnifierCoordsOn);
    QVERIFY(!panel->LoepVlijn()->isVisibleTo(panel));
    QVERIFY(!panel->LoepHlijn()->isVisibleTo(panel));
}

void TestConfigDialog::openingWithHairsOnChecksBox()
{
    TestProgram program;
    MainWindow& main = program.start();
    {
        ConfigDialog dialog(main);
        dialog.Check1()->click();
    }
    ConfigDialog dialog(main);
    QVERIFY(dialog.Check1()->isChecked());
    QCOMPARE(dialog.Check1()->text(), QStringLiteral("Loepcoördinaten aan"));
    QVERIFY(main.magnifierPanel()->LoepHlijn()->isVisibleTo(main.magnifierPanel()));
}

void TestConfigDialog::openingSound_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<int>("played");
    QTest::newRow("sound on") << true << 1;
    QTest::newRow("sound off") << false << 0;
}

void TestConfigDialog::openingSound()
{
    QFETCH(bool, soundOn);
    QFETCH(int, played);
    TestProgram program;
    MainWindow& main = program.start();
    program.state.SoundOn = soundOn;
    bool shown = false;
    QTimer::singleShot(0, &main, [&] {
        auto* dialog = main.findChild<ConfigDialog*>();
        shown = dialog != nullptr;
        if (dialog)
            dialog->OkKnop()->click();
    });
    main.menus().ExtraConfig->trigger();
    QVERIFY(shown);
    QCOMPARE(program.sound.played.size(), played);
    if (played)
        QCOMPARE(program.sound.played.first(), program.path(QStringLiteral("sounds/space.wav")));
    // The dialog is discarded when it closes.
    QVERIFY(!main.findChild<ConfigDialog*>());
}

QTEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
