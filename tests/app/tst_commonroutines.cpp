#include "app/InfoLabel.h"
#include "app/ProgramOptions.h"
#include "app/QtTranslations.h"
#include "app/QtWavePlayer.h"
#include "core/WaitSeconds.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestCommonRoutines : public QObject {
    Q_OBJECT
private slots:
    void infoText_data();
    void infoText();
    void warningThenNormal();
    void waitZeroReturnsAtOnce();
    void waitKeepsEventsRunning();
    void missingSoundIsSilent();
    void programFolderOption_data();
    void programFolderOption();
    void writableFolder();
    void qtSpeaksDutch();
};

void TestCommonRoutines::infoText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    const QColor grey(60, 60, 60);
    const QColor red(220, 0, 0);
    QTest::newRow("warning") << ".Fout" << "Fout" << red;
    QTest::newRow("dot only") << "." << "" << red;
    QTest::newRow("idle") << "-" << "Informatie..." << grey;
    QTest::newRow("empty") << "" << "" << grey;
    QTest::newRow("plain") << "Rood: 255, Groen: 0, Blauw: 0" << "Rood: 255, Groen: 0, Blauw: 0" << grey;
    QTest::newRow("dash inside") << "- twee" << "- twee" << grey;
}

void TestCommonRoutines::infoText()
{
    QFETCH(QString, message);
    InfoLabel label;
    label.ShowInfoText(message);
    QTEST(label.text(), "shown");
    QTEST(label.palette().color(QPalette::WindowText), "colour");
}

void TestCommonRoutines::warningThenNormal()
{
    InfoLabel label;
    label.ShowInfoText(QStringLiteral(".Fout bij het laden"));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(220, 0, 0));
    label.ShowInfoText(QStringLiteral("Begane grond geladen."));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(60, 60, 60));
}

void TestCommonRoutines::waitZeroReturnsAtOnce()
{
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    WaitSeconds(0);
    WaitSeconds(-1);
    // No event pass ran, so even a due timer has not fired.
    QVERIFY(!fired);
    QTest::qWait(1);
}

void TestCommonRoutines::waitKeepsEventsRunning()
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    QElapsedTimer clock;
    clock.start();
    WaitSeconds(0.2f);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(ticks >= 5);
}

void TestCommonRoutines::missingSoundIsSilent()
{
    QtWavePlayer player;
    player.PlayWave(QStringLiteral("/nonexistent/sounds/klik.wav"));
    player.PlayWave(QString());
}

void TestCommonRoutines::programFolderOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder");
    QTest::newRow("none") << QStringList{"rimbano"} << "/opt/rimbano";
    QTest::newRow("separate") << QStringList{"rimbano", "--program-folder", "/tmp/plan"} << "/tmp/plan";
    QTest::newRow("joined") << QStringList{"rimbano", "--program-folder=/tmp/plan"} << "/tmp/plan";
    QTest::newRow("missing value") << QStringList{"rimbano", "--program-folder"} << "/opt/rimbano";
}

void TestCommonRoutines::programFolderOption()
{
    QFETCH(QStringList, arguments);
    QTEST(programFolderFrom(arguments, QStringLiteral("/opt/rimbano")), "folder");
}

void TestCommonRoutines::writableFolder()
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QTemporaryDir program;
    QCOMPARE(writableFolderFor(program.path()), program.path());
    // Nobody, not even root, can create a file in /proc: an installed program
    // folder that cannot be written sends the files to the user's configuration.
    const QString fallback = writableFolderFor(QStringLiteral("/proc"));
    QVERIFY(fallback.startsWith(home.path()));
    QVERIFY(QFileInfo(fallback).isDir());
    QVERIFY(QDir(program.path()).entryList(QDir::Files).isEmpty());
}

void TestCommonRoutines::qtSpeaksDutch()
{
    QVERIFY2(installDutchQtTranslations(*QCoreApplication::instance()), "qt6-translations-l10n is needed");
    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
    QCOMPARE(question.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nee"));
    QCOMPARE(question.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annuleren"));
}

QTEST_MAIN(TestCommonRoutines)
#include "tst_commonroutines.moc"
