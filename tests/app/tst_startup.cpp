#include "TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/ColorPanel.h"
#include "drawing/ToolPanel.h"
#include "examples/ExamplesPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {
QByteArray settingsText(const char* colour, const char* jpg, const char* sound, const char* width)
{
    return QByteArray("\"Rimbano\"\r\n") + colour + "\r\n" + jpg + "\r\n" + sound + "\r\n" + width + "\r\n";
}

QRect inWindow(QWidget* w, MainWindow& window)
{
    return QRect(w->mapTo(window.centralWidget(), QPoint(0, 0)), w->size());
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstRunWritesSettings();
    void canvasWidthLayout_data();
    void canvasWidthLayout();
    void recovery_data();
    void recovery();
    void soundMenuFromFile();
    void colourFromFile();
    void toolButtonGrid();
    void menus();
    void examplesListing();
    void settingsInWritableFolder();
};

void TestStartup::firstRunWritesSettings()
{
    TestProgram program;
    MainWindow& window = program.start();
    QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")),
             QByteArray("\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n"));
    // The rest of the start-up is skipped on such a run: the width label keeps its design text.
    QCOMPARE(window.floorPanel()->SMBlabel()->text(), QStringLiteral("Small"));
    QCOMPARE(window.Pic(1)->width(), 350);
    QVERIFY(window.menus().ShowGeluid->isChecked());
    QCOMPARE(window.menus().ShowGeluid->text(), QStringLiteral("Geluid aan"));
}

void TestStartup::canvasWidthLayout_data()
{
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("panelLeft");
    QTest::addColumn<QString>("widthText");
    QTest::newRow("base") << 0 << 10875 / 15 << 350 << 7470 / 15 << QStringLiteral(" 350 pixels");
    QTest::newRow("450 px") << 1500 << 12375 / 15 << 450 << 8970 / 15 << QStringLiteral(" 450 pixels");
    QTest::newRow("470 px") << 1800 << 12675 / 15 << 470 << 9270 / 15 << QStringLiteral(" 470 pixels");
}

void TestStartup::canvasWidthLayout()
{
    QFETCH(int, extra);
    QFETCH(int, windowWidth);
    QFETCH(int, canvasWidth);
    QFETCH(int, panelLeft);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settingsText("0,0,0", "#TRUE#", "#TRUE#", QByteArray::number(extra).constData()));
    MainWindow& window = program.start();

    // The design's outer width includes a window frame of 8 px.
    QCOMPARE(window.centralWidget()->width(), windowWidth - 8);
    for (int f = 1; f <= 3; ++f) {
        QCOMPARE(window.Pic(f)->size(), QSize(canvasWidth, 455));
        QCOMPARE(window.Pic(f)->pos(), QPoint(136, 7));
        QCOMPARE(window.floors().floor(f).image.size(), QSize(canvasWidth, 455));
    }
    QCOMPARE(window.PicBack()->geometry(), QRect(130, 1, (5430 + extra) / 15, 467));
    QCOMPARE(window.floorPanel()->x(), panelLeft);
    QCOMPARE(window.toolPanel()->x(), panelLeft);
    QCOMPARE(window.Frame(5)->x(), panelLeft);
    QCOMPARE(window.Frame(1)->width(), (8775 + extra) / 15);
    QCOMPARE(window.BGlabel(1)->pos(), QPoint(panelLeft, -3));
    QCOMPARE(window.BGlabel(2)->pos(), QPoint(panelLeft + 1, -2));
    QCOMPARE(window.BewerkingsLabel(1)->pos(), QPoint((7500 + extra) / 15, 138));
    QTEST(window.floorPanel()->SMBlabel()->text(), "widthText");
    // Panels left of the canvas do not move.
    QCOMPARE(window.Frame(2)->geometry(), QRect(5, -5, 120, 274));
    QCOMPARE(window.Frame(6)->geometry(), QRect(5, 468, 120, 30));
}

void TestStartup::recovery_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<QString>("widthCaption");
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("short") << QByteArray("\"Rimbano\"\r\n10,20,30\r\n")
                           << QByteArray("\"Rimbano\"\r\n10,20,30\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << "Small" << true;
    QTest::newRow("bad field") << settingsText("10,20,30", "#FALSE#", "misschien", "1500")
                               << QByteArray("\"Rimbano\"\r\n10,20,30\r\n#FALSE#\r\n#TRUE#\r\n0\r\n") << "Small" << true;
    // A colour the bars cannot take is put back, so the next start is clean;
    // the sound and the width read beside it are in effect and shown.
    QTest::newRow("colour 300") << settingsText("300,20,30", "#TRUE#", "#FALSE#", "300")
                                << QByteArray("\"Rimbano\"\r\n0,20,30\r\n#TRUE#\r\n#FALSE#\r\n300\r\n")
                                << " 370 pixels" << false;
    QTest::newRow("width out of range") << settingsText("1,2,3", "#TRUE#", "#FALSE#", "-6000")
                                        << QByteArray("\"Rimbano\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n0\r\n")
                                        << "Small" << false;
}

void TestStartup::recovery()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, widthCaption);
    QFETCH(bool, soundOn);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), file);
    MainWindow& window = program.start();
    QTEST(program.readFile(QStringLiteral("Rimbano.ini")), "rewritten");
    // Every control shows the value in effect after the recovery.
    QCOMPARE(window.floorPanel()->SMBlabel()->text(), widthCaption);
    QCOMPARE(window.Pic(1)->width(), canvasWidthFor(program.state.CanvasExtraWidth));
    QCOMPARE(window.menus().ShowGeluid->isChecked(), soundOn);
    QCOMPARE(window.menus().ShowGeluid->text(), soundOn ? QStringLiteral("Geluid aan") : QStringLiteral("Geluid uit"));
    const QColor shown(program.state.ColorRed, program.state.ColorGreen, program.state.ColorBlue);
    QCOMPARE(window.colorPanel()->Kleur()->palette().color(QPalette::Window), shown);
    QCOMPARE(window.colorPanel()->RGBscroll(1)->value(), program.state.ColorRed);
}

void TestStartup::soundMenuFromFile()
{
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settingsText("0,0,0", "#TRUE#", "#FALSE#", "0"));
    MainWindow& window = program.start();
    QVERIFY(!program.state.SoundOn);
    QVERIFY(!window.menus().ShowGeluid->isChecked());
    QCOMPARE(window.menus().ShowGeluid->text(), QStringLiteral("Geluid uit"));
}

void TestStartup::colourFromFile()
{
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), settingsText("255,128,0", "#FALSE#", "#TRUE#", "0"));
    MainWindow& window = program.start();
    QCOMPARE(window.colorPanel()->RGBscroll(1)->value(), 255);
    QCOMPARE(window.colorPanel()->RGBscroll(2)->value(), 128);
    QCOMPARE(window.colorPanel()->RGBscroll(3)->value(), 0);
    QCOMPARE(window.colorPanel()->Kleur()->palette().color(QPalette::Window), QColor(255, 128, 0));
    QVERIFY(!program.state.SaveAsJpg);
}

void TestStartup::toolButtonGrid()
{
    TestProgram program;
    MainWindow& window = program.start();
    // Button 7 sits in the second row, second column.
    QCOMPARE(window.toolPanel()->Knop(7)->geometry(), QRect((120 + 600) / 15, (225 + 600) / 15, 40, 40));
    QCOMPARE(window.toolPanel()->Knop(20)->geometry(), QRect((120 + 2400) / 15, (225 + 1800) / 15, 40, 40));
    QCOMPARE(window.toolPanel()->Tumb(6)->geometry(), QRect(180 / 15, (2850 + 600) / 15, 35, 35));
    QCOMPARE(window.BewerkingsLabel(1)->text(), QStringLiteral("Tools"));
    QCOMPARE(window.infoLabel()->text(), QStringLiteral("Informatie..."));
    QCOMPARE(window.CoordLabel()->text(), QStringLiteral("X = 0 , Y = 0"));
    QCOMPARE(inWindow(window.toolPanel()->Knop(1), window).topLeft(), QPoint(498 + 8, 161 + 15));
}

void TestStartup::menus()
{
    TestProgram program;
    MainWindow& window = program.start();
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"File", "Bewerken", "Show", "Extra", "Help"}));

    const MainMenus& m = window.menus();
    QCOMPARE(m.FileNieuw->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(m.FileExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(m.EditFlip[1]->text(), QStringLiteral("Rotatie 180°"));
    QCOMPARE(m.ExtraConfig->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QCOMPARE(m.HelpUitleg->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(m.EditObjectCopy[0]->isChecked());
    QVERIFY(m.ShowMuiscursorKeuze[0]->isChecked());
    QCOMPARE(m.ShowLoep->text(), QStringLiteral("Loep uit"));
    QCOMPARE(m.FileSaveJpg[2]->text(), QStringLiteral("BG + 1e + 2e"));

    // Separators after Save, after Print Setup; Import Icons and Exit follow.
    QStringList file;
    for (QAction* a : window.menuBar()->actions().first()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(file, QStringList({"Nieuw", "Load", "Save", "-", "Afdrukken", "Print Setup", "-", "Import Icons", "Exit"}));
}

void TestStartup::examplesListing()
{
    TestProgram program;
    MainWindow& window = program.start();
    QCOMPARE(window.examplesPanel()->Label3()->text(), QStringLiteral("Geen voorbeelden..."));
    QCOMPARE(window.examplesPanel()->TumbleScroll()->maximum(), 1);

    TestProgram withExamples;
    QImage picture(350, 455, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (const char* name : {"villa.jpg", "Appartement.jpg", "bungalow.jpg", "schets.bmp"})
        QVERIFY(picture.save(withExamples.path(QStringLiteral("examples/") + QLatin1String(name)),
                             QByteArray(name).endsWith("bmp") ? "BMP" : "JPG"));
    MainWindow& second = withExamples.start();
    QCOMPARE(second.examplesPanel()->Label3()->text(), QStringLiteral("Appartement"));
    QCOMPARE(second.examplesPanel()->TumbleScroll()->maximum(), 2);
    QCOMPARE(second.examplesPanel()->examples().displayName(2), QStringLiteral("villa"));
    QVERIFY(!second.examplesPanel()->Tumble()->pixmap().isNull());
}

void TestStartup::settingsInWritableFolder()
{
    TestProgram program;
    QTemporaryDir config;
    program.state.WritableFolder = config.path();
    QFile settings(QDir(config.path()).filePath(QStringLiteral("Rimbano.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(settingsText("0,0,0", "#TRUE#", "#FALSE#", "300"));
    settings.close();
    MainWindow& window = program.start();
    QVERIFY(!program.state.SoundOn);
    QCOMPARE(window.Pic(1)->width(), 370);
    QVERIFY(!QFile::exists(program.path(QStringLiteral("Rimbano.ini"))));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
