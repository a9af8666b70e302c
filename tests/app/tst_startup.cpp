#include "Named.h"
#include "TestProgram.h"
#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "app/StartWindow.h"
#include "app/VersionText.h"
#include "drawing/ToolPanel.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "image/SettingsFile.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
QByteArray settingsText(const char* colour, const char* jpg, const char* sound, const char* width)
{
    return QByteArray("\"Rimbano\"\r\n") + colour + "\r\n" + jpg + "\r\n" + sound + "\r\n" + width + "\r\n";
}
} // namespace

// The start window, the settings file and what the program makes of it at the start.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstRunWritesSettings()
    {
        TestProgram program;
        MainWindow& window = program.start();
        QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")),
                 QByteArray("\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n"));
        // The rest of the start-up is skipped on such a run: the width label keeps its design text.
        QCOMPARE(named<QLabel>(window, QStringLiteral("canvasWidthLabel"))->text(), QStringLiteral("Small"));
        QCOMPARE(named<QAction>(window, QStringLiteral("soundAction"))->text(), QStringLiteral("Geluid aan"));
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 1)->text(), QStringLiteral("Tools"));
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Informatie..."));
        QCOMPARE(named<QLabel>(window, QStringLiteral("coordinateLabel"))->text(), QStringLiteral("X = 0 , Y = 0"));
    }

    void recovery_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::addColumn<QString>("widthCaption");
        QTest::newRow("clean file kept") << settingsText("255,128,0", "#FALSE#", "#FALSE#", "1800")
                                         << settingsText("255,128,0", "#FALSE#", "#FALSE#", "1800") << " 470 pixels";
        QTest::newRow("short") << QByteArray("\"Rimbano\"\r\n10,20,30\r\n")
                               << settingsText("10,20,30", "#TRUE#", "#TRUE#", "0") << "Small";
        QTest::newRow("bad field") << settingsText("10,20,30", "#FALSE#", "misschien", "1500")
                                   << settingsText("10,20,30", "#FALSE#", "#TRUE#", "0") << "Small";
        // A colour the bars cannot take is put back, so the next start is clean;
        // the sound and the width read beside it are in effect and shown.
        QTest::newRow("colour 300") << settingsText("300,20,30", "#TRUE#", "#FALSE#", "300")
                                    << settingsText("0,20,30", "#TRUE#", "#FALSE#", "300") << " 370 pixels";
        QTest::newRow("width out of range") << settingsText("1,2,3", "#TRUE#", "#FALSE#", "-6000")
                                            << settingsText("1,2,3", "#TRUE#", "#FALSE#", "0") << "Small";
    }

    // The file as rewritten holds the values in effect, and every control shows
    // them; a wider canvas shifts everything right of it, the panels left of it stay.
    void recovery()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, rewritten);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), file);
        MainWindow& window = program.start();
        QCOMPARE(program.readFile(QStringLiteral("Rimbano.ini")), rewritten);
        SettingsRecord expected;
        QCOMPARE(parseSettings(rewritten, expected), SettingsReadResult::Complete);
        const Settings& settings = program.settings;
        QCOMPARE(QList<int>({settings.red, settings.green, settings.blue, settings.canvasExtraWidth}),
                 QList<int>({expected.red, expected.green, expected.blue, expected.canvasExtraWidth}));
        QCOMPARE(settings.saveAsJpg, expected.saveAsJpg);
        QCOMPARE(settings.soundOn, expected.soundOn);
        QTEST(named<QLabel>(window, QStringLiteral("canvasWidthLabel"))->text(), "widthCaption");
        const int extra = expected.canvasExtraWidth;
        // The design's outer width includes a window frame of 8 px.
        QCOMPARE(window.centralWidget()->width(), (10875 + extra) / 15 - 8);
        for (int f = 1; f <= 3; ++f) {
            QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), f)->geometry(), QRect(136, 7, 350 + extra / 15, 455));
            QCOMPARE(window.plan().floor(f).image.size(), QSize(350 + extra / 15, 455));
        }
        QCOMPARE(named<FloorPanel>(window, QStringLiteral("floorPanel"))->x(), (7470 + extra) / 15);
        QCOMPARE(named<ToolPanel>(window, QStringLiteral("toolPanel"))->x(), (7470 + extra) / 15);
        QCOMPARE(named<QFrame>(window, QStringLiteral("examplesAndColoursPanel"))->geometry(), QRect(5, -5, 120, 274));
        QCOMPARE(named<QAction>(window, QStringLiteral("soundAction"))->isChecked(), expected.soundOn);
        QCOMPARE(named<QAction>(window, QStringLiteral("soundAction"))->text(), expected.soundOn ? QStringLiteral("Geluid aan") : QStringLiteral("Geluid uit"));
        QCOMPARE(named<QLabel>(window, QStringLiteral("colourSwatch"))->palette().color(QPalette::Window), QColor(expected.red, expected.green, expected.blue));
        QCOMPARE(named<QScrollBar>(window, QStringLiteral("colourBar"), 1)->value(), expected.red);
        QCOMPARE(named<QScrollBar>(window, QStringLiteral("colourBar"), 2)->value(), expected.green);
        QCOMPARE(named<QScrollBar>(window, QStringLiteral("colourBar"), 3)->value(), expected.blue);
    }

    void settingsInWritableFolder()
    {
        TestProgram program;
        program.folders.writable = program.path(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(program.folders.writable));
        program.writeFile(QStringLiteral("config/Rimbano.ini"), settingsText("0,0,0", "#TRUE#", "#FALSE#", "300"));
        MainWindow& window = program.start();
        QVERIFY(!program.settings.soundOn);
        QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->width(), 370);
        QVERIFY(!QFile::exists(program.path(QStringLiteral("Rimbano.ini"))));
    }

    void versionText_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        QTest::newRow("large parts, order kept") << "2.10.300.4000" << "2.10.300.4000";
        QTest::newRow("leading zeros dropped") << "01.00.0.06" << "1.0.0.6";
        QTest::newRow("missing parts are zero") << "3.1" << "3.1.0.0";
        QTest::newRow("largest part") << "65535.0.0.1" << "65535.0.0.1";
        QTest::newRow("part too large") << "65536.0.0.1" << "Error";
        QTest::newRow("missing") << "" << "Error";
        QTest::newRow("five parts") << "1.0.0.6.7" << "Error";
        QTest::newRow("not a number") << "1.x.0.6" << "Error";
    }

    void versionText()
    {
        QFETCH(QString, built);
        QTEST(VersionText(built), "expected");
    }

    void welcomeLines_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("versionLine");
        QTest::newRow("known version") << "1.0.0.6" << "Version number 1.0.0.6";
        QTest::newRow("unreadable version") << "" << "Version number Error";
    }

    // The answer ends every line with CR LF; the window shows the same lines,
    // each within its label, and Ok hands over.
    void welcomeLines()
    {
        QFETCH(QString, built);
        StartWindow window(VersionText(built));
        const QString& answer = window.welcomeTextAsBuilt();
        QVERIFY(answer.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(answer.count(QLatin1Char('\n')), answer.count(QStringLiteral("\r\n")));
        const QStringList lines = answer.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Rimbano"));
        QFETCH(QString, versionLine);
        QCOMPARE(lines.mid(lines.size() - 3), QStringList({QString(), "For 32-bit Windows-Development", versionLine}));
        QLabel* welcome = named<QLabel>(window, QStringLiteral("welcomeText"));
        QCOMPARE(welcome->text().split(QLatin1Char('\n')), lines);
        const QFontMetrics metrics(welcome->font());
        for (const QString& line : lines)
            QVERIFY2(welcome->indent() + metrics.horizontalAdvance(line) <= welcome->width(), qPrintable(line));
        QVERIFY(metrics.lineSpacing() * lines.size() <= welcome->height());
        QLabel* notice = named<QLabel>(window, QStringLiteral("noticeText"));
        QVERIFY(!notice->text().isEmpty());
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());

        QSignalSpy spy(&window, &StartWindow::okChosen);
        named<QPushButton>(window, QStringLiteral("startOkButton"))->click();
        QCOMPARE(spy.count(), 1);
    }

    void roundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rimbano.ini"));
        const SettingsRecord written{QStringLiteral("Mijn huis, 1999"), 255, 128, 7, false, false, 1500};
        QVERIFY(writeSettingsFile(path, written));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"Mijn huis, 1999\"\r\n255,128,7\r\n#FALSE#\r\n#FALSE#\r\n1500\r\n"));

        SettingsRecord read;
        QCOMPARE(readSettingsFile(path, read), SettingsReadResult::Complete);
        QCOMPARE(formatSettings(read), formatSettings(written));
        QCOMPARE(readSettingsFile(dir.filePath(QStringLiteral("geen.ini")), read), SettingsReadResult::Missing);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("blue");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("width");

        const int complete = int(SettingsReadResult::Complete);
        const int incomplete = int(SettingsReadResult::Incomplete);
        QTest::newRow("complete") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n300\r\n") << complete << 1 << 3 << false << 300;
        QTest::newRow("blanks before fields") << QByteArray("\"x\"\r\n 1, 2, 3\r\n #TRUE#\r\n#FALSE#\r\n 600\r\n") << complete << 1 << 3 << false << 600;
        QTest::newRow("lf line ends") << QByteArray("\"x\"\n1,2,3\n#TRUE#\n#FALSE#\n300\n") << complete << 1 << 3 << false << 300;
        QTest::newRow("no final line end") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n900") << complete << 1 << 3 << false << 900;
        // What was read before the fault stays read.
        QTest::newRow("cut after colour") << QByteArray("\"x\"\r\n9,8,7\r\n") << incomplete << 9 << 7 << true << 0;
        QTest::newRow("cut inside colour") << QByteArray("\"x\"\r\n9,8") << incomplete << 9 << 0 << true << 0;
        QTest::newRow("empty file") << QByteArray() << incomplete << 0 << 0 << true << 0;
        QTest::newRow("letters for a number") << QByteArray("\"x\"\r\n9,abc,7\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << incomplete << 9 << 0 << true << 0;
        QTest::newRow("bad boolean") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\nja\r\n300\r\n") << incomplete << 1 << 3 << true << 0;
        QTest::newRow("bad width") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\nbreed\r\n") << incomplete << 1 << 3 << false << 0;
        // Values are not judged here: the window decides what it can take.
        QTest::newRow("colour 300 reads") << QByteArray("\"x\"\r\n300,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << complete << 300 << 0 << true << 0;
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        SettingsRecord record;
        QCOMPARE(int(parseSettings(bytes, record)), result);
        QTEST(record.red, "red");
        QTEST(record.blue, "blue");
        QTEST(record.soundOn, "soundOn");
        QTEST(record.canvasExtraWidth, "width");
    }

    // Whatever was read, the file written at exit must read back to the values it
    // was written from, or it would change a little at every run.
    void writtenFileReadsBackAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reserved");
        QTest::newRow("quote inside an unquoted text")
            << QByteArray("\xd4Rimbano\"\n12,34,56\n#TRUE#\n#FALSE#\n300\n") << QStringLiteral("\u00d4Rimbano");
        QTest::newRow("quotes only") << QByteArray("a\"\"b\r\n1,2,3\r\n0\r\n-1\r\n0\r\n") << QStringLiteral("ab");
        QTest::newRow("line ends and commas inside quotes")
            << QByteArray("\"Huis,\r\nschuur\"\r\n1,2,3\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << QStringLiteral("Huis,\r\nschuur");
        QTest::newRow("blanks inside quotes") << QByteArray("\" a \"\r\n1,2,3\r\n") << QStringLiteral(" a ");
    }

    void writtenFileReadsBackAsWritten()
    {
        QFETCH(QByteArray, bytes);
        SettingsRecord read;
        parseSettings(bytes, read);
        const QByteArray written = formatSettings(read);
        SettingsRecord reread;
        QCOMPARE(parseSettings(written, reread), SettingsReadResult::Complete);
        QTEST(reread.reserved, "reserved");
        QCOMPARE(formatSettings(reread), written);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
