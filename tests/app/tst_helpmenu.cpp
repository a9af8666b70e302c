#include "Named.h"
#include "app/HelpText.h"
#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QUrl>
#include <QtTest>

class TestHelpMenu : public QObject {
    Q_OBJECT
    QList<QUrl> m_opened;
public slots:
    // Catches the pages the program asks the desktop to open.
    void open(const QUrl& url) { m_opened << url; }
private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8") << QByteArray("Loepco\xc3\xb6rdinaten \xe2\x82\xac") << QStringLiteral("Loepcoördinaten €");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbfHelp") << QStringLiteral("Help");
        QTest::newRow("Windows-1252 accents") << QByteArray("co\xf6rdinaten, caf\xe9") << QStringLiteral("coördinaten, café");
        QTest::newRow("Windows-1252 0x80-0x9F") << QByteArray("\x80 \x93x\x94 \x85 \x96") << QStringLiteral("€ “x” … –");
        QTest::newRow("cut-off utf-8 at end") << QByteArray("prijs \xc3") << QStringLiteral("prijs Ã");
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QTEST(decodeHelpText(bytes), "expected");
    }

    void showAndHide_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QByteArray>("extraWidth");
        QTest::newRow("sound on, 350 px canvas") << true << QByteArray("0");
        QTest::newRow("sound off, 450 px canvas") << false << QByteArray("1500");
    }

    // The help covers the canvas however wide, and is read anew at every showing.
    void showAndHide()
    {
        QFETCH(bool, soundOn);
        QFETCH(QByteArray, extraWidth);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n" + extraWidth + "\r\n");
        program.writeFile(QStringLiteral("help.txt"), "Uitleg\r\n\r\nCo\xc3\xb6rdinaten\r\n");
        MainWindow& main = program.start();
        program.settings.soundOn = soundOn;
        QPlainTextEdit* text = named<QPlainTextEdit>(main, QStringLiteral("helpTextView"));
        QVERIFY(text->isHidden());
        named<QAction>(main, QStringLiteral("helpAction"))->trigger();
        QVERIFY(!text->isHidden());
        QCOMPARE(text->toPlainText(), QStringLiteral("Uitleg\n\nCoördinaten\n"));
        QCOMPARE(text->palette().color(QPalette::Base), QColor(210, 220, 190));
        const QRect canvas = named<CanvasWidget>(main, QStringLiteral("floorCanvas"), 1)->geometry();
        for (const QPoint corner : {canvas.topLeft(), canvas.bottomRight()}) {
            QWidget* top = main.centralWidget()->childAt(corner);
            QVERIFY(top == text || text->isAncestorOf(top));
        }

        named<QAction>(main, QStringLiteral("helpAction"))->trigger();
        QVERIFY(text->isHidden());
        QVERIFY(!named<CanvasWidget>(main, QStringLiteral("floorCanvas"), 1)->isHidden());
        const QString space = program.path(QStringLiteral("sounds/space.wav"));
        QCOMPARE(program.sound.played, soundOn ? QStringList({space, space}) : QStringList());
        QVERIFY(program.prompts.messages.isEmpty());

        program.writeFile(QStringLiteral("help.txt"), "tweede versie");
        named<QAction>(main, QStringLiteral("helpAction"))->trigger();
        QCOMPARE(text->toPlainText(), QStringLiteral("tweede versie"));
    }

    void missingFile_data()
    {
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder by that name") << true;
    }

    void missingFile()
    {
        QFETCH(bool, asFolder);
        TestProgram program;
        if (asFolder)
            QDir(program.folder()).mkdir(QStringLiteral("help.txt"));
        MainWindow& main = program.start();
        named<QAction>(main, QStringLiteral("helpAction"))->trigger();
        QCOMPARE(program.prompts.messages, QStringList{QStringLiteral("Kan bestand [Help.txt] niet vinden!")});
        QVERIFY(named<QPlainTextEdit>(main, QStringLiteral("helpTextView"))->isHidden());
        QVERIFY(!named<CanvasWidget>(main, QStringLiteral("floorCanvas"), 1)->isHidden());

        // Once the file is there, the next command shows it.
        if (asFolder)
            QDir(program.folder()).rmdir(QStringLiteral("help.txt"));
        program.writeFile(QStringLiteral("help.txt"), "hulp");
        named<QAction>(main, QStringLiteral("helpAction"))->trigger();
        QVERIFY(!named<QPlainTextEdit>(main, QStringLiteral("helpTextView"))->isHidden());
        QCOMPARE(program.prompts.messages.size(), 1);
    }

    void softwarePage()
    {
        TestProgram program;
        MainWindow& main = program.start();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        named<QAction>(main, QStringLiteral("moreSoftwareAction"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://rimbano.nl/software"))});
    }

    // The shipped help is UTF-8 with Windows line ends and explains every menu command.
    void shippedHelpCoversMenus()
    {
        QFile file(qEnvironmentVariable("RIMBANO_SOURCE_DIR") + QStringLiteral("/assets/help/help.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        QVERIFY(!utf8.hasError());
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        TestProgram program;
        QList<QAction*> actions = program.start().menuBar()->actions();
        while (!actions.isEmpty()) {
            QAction* action = actions.takeFirst();
            if (action->menu())
                actions << action->menu()->actions();
            else if (!action->isSeparator()) // a switch is explained once, not per state
                QVERIFY2(text.contains(action->text().remove(QRegularExpression("&| (aan|uit)$"))), qPrintable(action->text()));
        }
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
