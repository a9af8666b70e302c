#include "app/InfoLabel.h"
#include "app/ProgramOptions.h"
#include "app/QtTranslations.h"
#include "app/QtWavePlayer.h"
#include "core/WaitSeconds.h"
#include "support/TestProgram.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QtTest>

class TestCommonRoutines : public QObject {
    Q_OBJECT
private slots:
    void infoText_data()
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

    // Each message follows a warning: a normal one must take the red away again.
    void infoText()
    {
        QFETCH(QString, message);
        InfoLabel label;
        label.showInfoText(QStringLiteral(".Fout bij het laden"));
        label.showInfoText(message);
        QTEST(label.text(), "shown");
        QTEST(label.palette().color(QPalette::WindowText), "colour");
    }

    void waitsAndKeepsEventsFlowing()
    {
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        waitSeconds(0);
        waitSeconds(-1);
        // No event pass ran, so even a due timer has not fired.
        QVERIFY(!fired);
        // A real wait keeps the events running.
        waitSeconds(0.05f);
        QVERIFY(fired);
    }

    // The sounds the build lays out in the program folder, played by name as the program does.
    void sound_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plays");
        for (const char* name : {"space.wav", "zoef.wav", "klik.wav", "fout.wav"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("missing file is silent") << "geen.wav" << false;
    }

    void sound()
    {
        QFETCH(QString, name);
        QFETCH(bool, plays);
        TestProgram program;
        program.folders.program = QCoreApplication::applicationDirPath() + QStringLiteral("/../program");
        QtWavePlayer player;
        const AppContext context{program.settings, program.folders, program.prompts, player, program.info};
        context.playSound(name);
        auto* effect = player.findChild<QSoundEffect*>();
        QCOMPARE(effect != nullptr, plays);
        if (plays) {
            QCOMPARE(effect->source(), QUrl::fromLocalFile(context.programPath(QStringLiteral("sounds/") + name)));
            QTRY_COMPARE(effect->status(), QSoundEffect::Ready);
        }
    }

    void writableFolder()
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

    void qtSpeaksDutch()
    {
        QVERIFY2(installDutchQtTranslations(*QCoreApplication::instance()), "qt6-translations-l10n is needed");
        QMessageBox question;
        question.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList texts;
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texts << question.button(button)->text().remove(QLatin1Char('&'));
        QCOMPARE(texts, QStringList({"Ja", "Nee", "Annuleren"}));
    }
};

QTEST_MAIN(TestCommonRoutines)
#include "tst_commonroutines.moc"
