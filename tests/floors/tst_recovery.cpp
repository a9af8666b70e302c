#include "Named.h"
#include "PictureCompare.h"
#include "TestProgram.h"

#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "floors/RecoveryGuard.h"
#include "plan/RecoveryShelf.h"
#include "plan/RecoveryWatcher.h"

#include <QDirIterator>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Three floors, each different and every pixel a colour of its own.
std::array<QImage, 3> sampleFloors(int width)
{
    const QImage floor = patterned(width);
    return {floor, floor.mirrored(true, false), floor.mirrored(false, true)};
}

// The floors as a version that kept no width wrote them: plain PNG files.
void writeWithoutWidth(const QString& folder, const std::array<QImage, 3>& floors)
{
    QDir().mkpath(folder);
    for (int f = 1; f <= 3; ++f)
        floors[size_t(f - 1)].save(QDir(folder).filePath(QStringLiteral("verdieping%1.png").arg(f)));
}

// Makes a copy an hour older, as if written long before the others.
void age(const QString& folder)
{
    for (int f = 1; f <= 3; ++f) {
        QFile file(QDir(folder).filePath(QStringLiteral("verdieping%1.png").arg(f)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
}

// The lock a killed program leaves: it names a process that has ended.
void writeLockOfEndedProgram(const QString& path)
{
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const QByteArray pid = QByteArray::number(ended.processId());
    QVERIFY(ended.waitForFinished());
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(pid + '\n') > 0);
}

QStringList folders(const std::vector<std::unique_ptr<RecoveryShelf::Claim>>& claims)
{
    QStringList names;
    for (const auto& claim : claims)
        names << QFileInfo(claim->store().folder()).fileName();
    return names;
}

// Shows the window, which asks about an old copy once it is on screen.
void showAndStart(MainWindow& window)
{
    window.show();
    QCoreApplication::processEvents();
}

// How many copies of the ground floor the shelf holds, in any folder.
int groundFloorCopies()
{
    int count = 0;
    for (QDirIterator it(RecoveryShelf::defaultFolder(), {QStringLiteral("verdieping1.png")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++count;
    return count;
}
} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    // A narrower canvas alone is a change worth a write: the copy then holds
    // the new width and the columns it hides.
    void watcherWritesAfterChange()
    {
        QTemporaryDir dir;
        Plan plan(470);
        RecoveryWatcher watcher(plan, RecoveryStore(dir.path()));
        watcher.setDelay(50);
        QSignalSpy written(&watcher, &RecoveryWatcher::written);
        QTest::qWait(300);
        QCOMPARE(written.count(), 0);
        QVERIFY(!watcher.store().exists());

        plan.floor(2).image.setPixel(460, 6, qRgb(1, 2, 3));
        QVERIFY(written.wait(3000));
        plan.setCanvasWidth(350);
        QVERIFY(written.wait(3000));
        const auto back = watcher.store().load();
        QVERIFY(back.has_value());
        QCOMPARE(back->shownWidth, 350);
        QCOMPARE(back->wholePictures[1].pixel(460, 6), qRgb(1, 2, 3));
    }

    void onlyCopiesOfEndedProgramsAreOffered()
    {
        QTemporaryDir dir;
        const RecoveryShelf shelf(dir.path());
        const QDir folder(dir.path());
        const auto floors = sampleFloors(350);
        auto running = shelf.claimNew();
        QVERIFY(running->store().save(floors, 350));
        // However long a program runs, its lock is never taken for one left behind.
        QFile runningLock(running->store().folder() + QStringLiteral(".lock"));
        QVERIFY(runningLock.open(QIODevice::ReadWrite));
        QVERIFY(runningLock.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        // An older version's copy, and a killed program's newer one.
        writeWithoutWidth(dir.path(), floors);
        age(dir.path());
        QVERIFY(folder.mkdir(QStringLiteral("killed")));
        QVERIFY(RecoveryStore(folder.filePath(QStringLiteral("killed"))).save(floors, 350));
        writeLockOfEndedProgram(folder.filePath(QStringLiteral("killed.lock")));
        // Killed before it drew anything: nothing to offer, and tidied away.
        QVERIFY(folder.mkdir(QStringLiteral("empty")));
        writeLockOfEndedProgram(folder.filePath(QStringLiteral("empty.lock")));

        auto orphans = shelf.claimOrphans();
        QCOMPARE(folders(orphans), QStringList({QStringLiteral("killed"), folder.dirName()}));
        QVERIFY(!folder.exists(QStringLiteral("empty")) && !folder.exists(QStringLiteral("empty.lock")));
        // Held by this start, no other start offers them.
        QCOMPARE(folders(RecoveryShelf(dir.path()).claimOrphans()), QStringList());
        // "Nee" removes that copy alone; one let go waits for the next start.
        orphans[0]->remove();
        orphans.clear();
        QVERIFY(!folder.exists(QStringLiteral("killed")) && !folder.exists(QStringLiteral("killed.lock")));
        QCOMPARE(folders(shelf.claimOrphans()), QStringList({folder.dirName()}));
        QVERIFY(running->store().exists());
        running->remove();
        QCOMPARE(folder.entryList({QStringLiteral("*.lock")}, QDir::Files), QStringList());
    }

    void startAnswer_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("startWidth"); // the canvas as the settings file has it
        QTest::addColumn<int>("shownWidth");
        QTest::addColumn<int>("wholeWidth");
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("olderCopy");
        // Widened after the last Exit: the copy brings its width along.
        QTest::newRow("yes, taken at 470") << true << 350 << 470 << 470 << 470 << true << false;
        QTest::newRow("yes, older copy taken at 470") << true << 350 << 470 << 470 << 470 << true << true;
        QTest::newRow("no removes, width and all") << false << 350 << 470 << 470 << 350 << true << true;
        // Narrowed from 470: the hidden columns come back with the width.
        QTest::newRow("yes, 350 of 470") << true << 470 << 350 << 470 << 350 << true << false;
        QTest::newRow("yes, 471: no canvas is that wide") << true << 350 << 471 << 471 << 350 << true << true;
        // One floor of the copy damaged: said, and no half drawing restored.
        QTest::newRow("yes, copy unreadable") << true << 350 << 470 << 470 << 350 << false << false;
    }

    void startAnswer()
    {
        QFETCH(bool, answer);
        QFETCH(int, startWidth);
        QFETCH(int, shownWidth);
        QFETCH(int, wholeWidth);
        QFETCH(int, canvasWidth);
        QFETCH(bool, readable);
        QFETCH(bool, olderCopy);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"),
                          "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n" + QByteArray::number((startWidth - 350) * 15) + "\r\n");
        const auto floors = sampleFloors(wholeWidth);
        // An older version kept its copy in the shelf itself; a killed program, in a folder of its own.
        const QString shelf = RecoveryShelf::defaultFolder();
        const RecoveryStore store(olderCopy ? shelf : shelf + QStringLiteral("/killed"));
        QVERIFY(QDir().mkpath(store.folder()));
        if (olderCopy)
            writeWithoutWidth(store.folder(), floors);
        else
            QVERIFY(store.save(floors, shownWidth));
        if (!readable) {
            QFile damaged(QDir(store.folder()).filePath(QStringLiteral("verdieping2.png")));
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write("\x89PNG\r\n\x1a\n and then nothing a picture holds");
        }
        MainWindow& window = program.start();
        program.prompts.yesNoAnswers << answer;
        showAndStart(window);

        QCOMPARE(program.prompts.questions.size(), 1);
        QVERIFY(program.prompts.questions[0].startsWith(QStringLiteral(" Herstellen|")));
        QCOMPARE(program.prompts.messages,
                 readable ? QStringList() : QStringList{QStringLiteral("De bewaarde tekening kan niet worden gelezen.")});
        const bool restored = answer && readable;
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(window.plan().floor(f).image, onWhite(restored ? floors[size_t(f - 1)] : QImage(), canvasWidth));
        // As the width bar sets it: the value kept at Exit, the window and its label.
        QCOMPARE(program.settings.canvasExtraWidth, (canvasWidth - 350) * 15);
        QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->width(), canvasWidth);
        QCOMPARE(named<QLabel>(window, QStringLiteral("canvasWidthLabel"))->text(), QStringLiteral(" %1 pixels").arg(canvasWidth));
        // The old copy goes, restored into this run's own, which the program goes on keeping.
        QVERIFY(!store.exists());
        QCOMPARE(groundFloorCopies(), restored ? 1 : 0);
        program.settings.canvasExtraWidth = 1800;
        window.applyCanvasWidth();
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(window.plan().floor(f).image, onWhite(restored ? floors[size_t(f - 1)] : QImage(), 470));
    }

    void newestFirstThenTheNext_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("restored"); // 1 the newer drawing, 0 the older, -1 none
        QTest::addColumn<int>("left");
        // After a restore the older copy waits for a later start.
        QTest::newRow("yes") << QList<bool>{true} << 1 << 1;
        QTest::newRow("no, yes") << QList<bool>{false, true} << 0 << 0;
        QTest::newRow("no, no") << QList<bool>{false, false} << -1 << 0;
    }

    void newestFirstThenTheNext()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(int, restored);
        TestProgram program;
        const QString shelf = RecoveryShelf::defaultFolder();
        const std::array<QImage, 2> drawings{sampleFloors(350)[0], sampleFloors(350)[1]};
        writeWithoutWidth(shelf, {drawings[0], drawings[0], drawings[0]});
        age(shelf);
        QVERIFY(QDir().mkpath(shelf + QStringLiteral("/killed")));
        QVERIFY(RecoveryStore(shelf + QStringLiteral("/killed")).save({drawings[1], drawings[1], drawings[1]}, 350));
        MainWindow& window = program.start();
        program.prompts.yesNoAnswers << answers;
        showAndStart(window);
        QCOMPARE(program.prompts.questions.size(), answers.size());
        QCOMPARE(window.plan().floor(1).image, restored < 0 ? onWhite(QImage(), 350) : drawings[size_t(restored)]);
        QTEST(int(RecoveryShelf(shelf).claimOrphans().size()), "left");
    }

    // A copy that cannot be written is said once, in red; drawing goes on as before.
    void unwritableCopySaidOnce()
    {
        TestProgram program;
        // A file where the recovery folder should be: the copy cannot be written.
        const QString folder = RecoveryShelf::defaultFolder();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Plan plan(350);
        RecoveryGuard guard(program.context, plan, {}, {}, nullptr);
        guard.start();
        for (int x = 3; x <= 4; ++x) {
            plan.floor(1).image.setPixel(x, 3, qRgb(0, 0, 0));
            QVERIFY(!guard.watcher()->flush());
        }
        QCOMPARE(program.info.shown, QStringList{".Let op: er kan geen herstelkopie van de tekening worden bewaard."});
        QCOMPARE(plan.floor(1).image.pixel(4, 3), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
