#include "app/HelpMenu.h"
#include "app/HelpText.h"
#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
#include <QUrl>
#include <QtTest>

// Catches the pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void showAndHide_data();
    void showAndHide();
    void readAnewEachShowing();
    void missingFile_data();
    void missingFile();
    void liesOverCanvasArea_data();
    void liesOverCanvasArea();
    void softwarePage();
    void shippedHelpCoversProgram_data();
    void shippedHelpCoversProgram();
};

void TestHelpMenu::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf-8") << QByteArray("Loepco\xc3\xb6rdinaten \xe2\x82\xac") << QStringLiteral("Loepcoördinaten €");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbfHelp") << QStringLiteral("Help");
    QTest::newRow("Windows-1252 accents") << QByteArray("co\xf6rdinaten, caf\xe9") << QStringLiteral("coördinaten, café");
    QTest::newRow("Windows-1252 0x80-0x9F") << QByteArray("\x80 \x93x\x94 \x85 \x96")
                                            << QStringLiteral("€ “x” … –");
    QTest::newRow("cut-off utf-8 at end") << QByteArray("prijs \xc3") << QStringLiteral("prijs Ã");
    QTest::newRow("plain ASCII") << QByteArray("F1\r\nF2") << QStringLiteral("F1\r\nF2");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestHelpMenu::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeHelpText(bytes), expected);
}

void TestHelpMenu::showAndHide_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void TestHelpMenu::showAndHide()
{
    QFETCH(bool, soundOn);
    TestProgram program;
    program.writeFile(QStringLiteral("help.txt"), "Uitleg\r\n\r\nCo\xc3\xb6rdinaten\r\n");
    MainWindow& main = program.start();
    program.state.SoundOn = soundOn;
    QPlainTextEdit* text = main.Text1();
    QVERIFY(text->isHidden());

    main.menus().HelpUitleg->trigger();
    QVERIFY(!text->isHidden());
    QCOMPARE(text->toPlainText(), QStringLiteral("Uitleg\n\nCoördinaten\n"));
    QCOMPARE(text->palette().color(QPalette::Base), QColor(210, 220, 190));

    main.menus().HelpUitleg->trigger();
    QVERIFY(text->isHidden());
    QVERIFY(!main.Pic(1)->isHidden());

    const QString space = program.path(QStringLiteral("sounds/space.wav"));
    const QStringList expected = soundOn ? QStringList{space, space} : QStringList();
    QCOMPARE(program.sound.played, expected);
    QVERIFY(program.prompts.messages.isEmpty());
}

void TestHelpMenu::readAnewEachShowing()
{
    TestProgram program;
    program.writeFile(QStringLiteral("help.txt"), "eerste versie");
    MainWindow& main = program.start();
    main.menus().HelpUitleg->trigger();
    QCOMPARE(main.Text1()->toPlainText(), QStringLiteral("eerste versie"));
    main.menus().HelpUitleg->trigger();

    program.writeFile(QStringLiteral("help.txt"), "tweede versie");
    main.menus().HelpUitleg->trigger();
    QCOMPARE(main.Text1()->toPlainText(), QStringLiteral("tweede versie"));
}

void TestHelpMenu::missingFile_data()
{
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder by that name") << true;
}

void TestHelpMenu::missingFile()
{
    QFETCH(bool, asFolder);
    TestProgram program;
    if (asFolder)
        QDir(program.folder()).mkdir(QStringLiteral("help.txt"));
    MainWindow& main = program.start();
    main.menus().HelpUitleg->trigger();
    QCOMPARE(program.prompts.messages, QStringList{QStringLiteral("Kan bestand [Help.txt] niet vinden!")});
    QVERIFY(main.Text1()->isHidden());
    QVERIFY(!main.Pic(1)->isHidden());

    // Once the file is there, the next command shows it.
    if (asFolder)
        QDir(program.folder()).rmdir(QStringLiteral("help.txt"));
    program.writeFile(QStringLiteral("help.txt"), "hulp");
    main.menus().HelpUitleg->trigger();
    QVERIFY(!main.Text1()->isHidden());
    QCOMPARE(program.prompts.messages.size(), 1);
}

void TestHelpMenu::liesOverCanvasArea_data()
{
    QTest::addColumn<int>("extraWidth");
    QTest::newRow("350 px canvas") << 0;
    QTest::newRow("450 px canvas") << 1500;
}

void TestHelpMenu::liesOverCanvasArea()
{
    QFETCH(int, extraWidth);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"),
                      "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n" + QByteArray::number(extraWidth) + "\r\n");
    program.writeFile(QStringLiteral("help.txt"), "hulp");
    MainWindow& main = program.start();
    main.menus().HelpUitleg->trigger();
    QPlainTextEdit* text = main.Text1();
    QCOMPARE(text->geometry(), QRect(130, 1, (5430 + extraWidth) / 15, 467));

    // The help covers the canvas: what lies under every corner of the canvas is the help.
    CanvasWidget* canvas = main.Pic(1);
    QWidget* area = main.centralWidget();
    for (const QPoint corner : {canvas->geometry().topLeft(), canvas->geometry().bottomRight()}) {
        QWidget* top = area->childAt(corner);
        QVERIFY(top == text || text->isAncestorOf(top));
    }
}

void TestHelpMenu::softwarePage()
{
    TestProgram program;
    MainWindow& main = program.start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    main.menus().HelpSoftware->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://rimbano.nl/software"))});
}

void TestHelpMenu::shippedHelpCoversProgram_data()
{
    QTest::addColumn<QString>("topic");
    for (const char* topic :
         {"Nieuw", "Load", "Save", "BG + 1e + 2e", "Afdrukken", "Print Setup", "Import Icons", "Exit", "Undo",
          "Spiegelbeeld", "Rotatie 180°", "Object plaatsen", "And", "Merge paint", "Not copy", "Invert", "Paint",
          "Copy", "Plakken", "Tekenkruis", "Muiscursor", "Arrow", "Cross", "Border", "Geluid", "Loep",
          "Icon Editor", "Configuratie", "Uitleg Programma", "Meer Software", "F1", "F2", "F3", "F4", "Ctrl+N",
          "Ctrl+O", "Ctrl+P", "Ctrl+Q", "Ctrl+Z", "Ctrl+M", "Ctrl+R", "Ctrl+T", "Ctrl+B", "Ctrl+G", "Ctrl+L",
          "Ctrl+I", "Ctrl+C", "Begane grond", "1e verdieping", "2e verdieping", "Onafgebroken lijn",
          "Vergroting loep", "Loepcoördinaten", "Jpg", "Bmp", ".rbn", "examples", "Freeform", "Lijnen",
          "Rechthoeken", "Maatpijlen", "Tekst plaatsen", "Transfer", "Erase", "Spray", "Fill", "Richtingspijlen",
          "Trappen", "Ramen", "Deuren", "Sanitair", "Keukenapparatuur", "Meubilair", "Hoek spouwmuur",
          "T-stuk spouwmuur", "Enkelsteens", "Muren", "Show alles", "Datum en tijd afdrukken",
          "Verdieping eronder", "Schaal"})
        QTest::newRow(topic) << QString::fromUtf8(topic);
}

void TestHelpMenu::shippedHelpCoversProgram()
{
    QFETCH(QString, topic);
    QFile file(qEnvironmentVariable("RIMBANO_SOURCE_DIR") + QStringLiteral("/assets/help/help.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // UTF-8 throughout, and Windows line ends only.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    QVERIFY(!utf8.hasError());
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY2(text.contains(topic), qPrintable(topic));
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
