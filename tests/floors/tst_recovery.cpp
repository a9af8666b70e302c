#include "Named.h"
#include "TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "floors/RecoveryGuard.h"
#include "plan/RecoveryStore.h"
#include "plan/RecoveryWatcher.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {
std::array<QImage, 3> sampleFloors(int width)
{
    std::array<QImage, 3> floors;
    for (int f = 0; f < 3; ++f) {
        floors[size_t(f)] = QImage(width, 455, QImage::Format_RGB32);
        floors[size_t(f)].fill(Qt::white);
        for (int x = 0; x < width; x += 7)
            floors[size_t(f)].setPixel(x, 10 + 100 * f + x % 50, qRgb(x % 256, 40 * f, 255 - x % 256));
    }
    return floors;
}
} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void watcherWritesAfterChange()
    {
        QTemporaryDir dir;
        Plan floors(350);
        RecoveryWatcher watcher(floors, RecoveryStore(dir.filePath(QStringLiteral("r"))));
        watcher.setDelay(50);
        QSignalSpy written(&watcher, &RecoveryWatcher::written);
        QTest::qWait(300);
        QCOMPARE(written.count(), 0);
        QVERIFY(!watcher.store().exists());

        floors.floor(2).image.setPixel(5, 6, qRgb(1, 2, 3));
        QVERIFY(written.wait(3000));
        const auto back = watcher.store().load();
        QVERIFY(back.has_value());
        QCOMPARE((*back)[1].pixel(5, 6), qRgb(1, 2, 3));
    }

    void startAnswer_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("copyWidth");
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<bool>("readable");
        QTest::newRow("yes restores") << true << 350 << 350 << true;
        QTest::newRow("no removes") << false << 350 << 350 << true;
        // Widened after the last Exit: the copy brings its width along.
        QTest::newRow("yes, taken at 470") << true << 470 << 470 << true;
        QTest::newRow("no, taken at 470") << false << 470 << 350 << true;
        QTest::newRow("yes, no canvas is that wide") << true << 500 << 350 << true;
        // One floor of the copy damaged: said, and no half drawing restored.
        QTest::newRow("yes, copy unreadable") << true << 470 << 350 << false;
    }

    void startAnswer()
    {
        QFETCH(bool, answer);
        QFETCH(int, copyWidth);
        QFETCH(int, canvasWidth);
        QFETCH(bool, readable);
        TestProgram program;
        program.writeFile(QStringLiteral("Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n");
        const auto floors = sampleFloors(copyWidth);
        const RecoveryStore store(RecoveryStore::defaultFolder());
        QVERIFY(store.save(floors));
        if (!readable) {
            QFile damaged(QDir(RecoveryStore::defaultFolder()).filePath(QStringLiteral("verdieping2.png")));
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write("\x89PNG\r\n\x1a\n and then nothing a picture holds");
        }
        MainWindow& window = program.start();
        program.prompts.yesNoAnswers << answer;
        window.recoveryGuard().start();

        QCOMPARE(program.prompts.questions.size(), 1);
        QVERIFY(program.prompts.questions[0].startsWith(QStringLiteral(" Herstellen|")));
        QCOMPARE(program.prompts.messages,
                 readable ? QStringList() : QStringList{QStringLiteral("De bewaarde tekening kan niet worden gelezen.")});
        const bool restored = answer && readable;
        QImage white(350, 455, QImage::Format_RGB32);
        white.fill(Qt::white);
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(window.floors().floor(f).image, restored ? floors[size_t(f - 1)].copy(0, 0, canvasWidth, 455) : white);
        // As the width bar sets it: the value kept at Exit, the window and its label.
        QCOMPARE(program.settings.canvasExtraWidth, (canvasWidth - 350) * 15);
        QCOMPARE(named<CanvasWidget>(window, QStringLiteral("floorCanvas"), 1)->width(), canvasWidth);
        QCOMPARE(named<QLabel>(window, QStringLiteral("canvasWidthLabel"))->text(), QStringLiteral(" %1 pixels").arg(canvasWidth));
        QCOMPARE(store.exists(), restored);
        // The program goes on guarding the drawing made from here.
        QVERIFY(window.recoveryGuard().watcher());
    }

    // No copy, no question; the copy made while drawing goes at a confirmed Exit.
    void copyLivesUntilExit()
    {
        TestProgram program;
        MainWindow& window = program.start();
        window.show();
        QTest::qWait(50);
        QVERIFY(program.prompts.questions.isEmpty());
        window.floors().floor(1).image.setPixel(1, 1, qRgb(0, 0, 0));
        window.recoveryGuard().watcher()->flush();
        QVERIFY(RecoveryStore(RecoveryStore::defaultFolder()).exists());

        program.prompts.yesNoAnswers << true;
        named<QAction>(window, QStringLiteral("exitAction"))->trigger();
        QVERIFY(!RecoveryStore(RecoveryStore::defaultFolder()).exists());
    }

    void unwritableCopySaidOnce()
    {
        TestProgram program;
        // A file where the recovery folder should be: the copy cannot be written.
        const QString folder = RecoveryStore::defaultFolder();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        MainWindow& window = program.start();
        window.recoveryGuard().start();
        RecoveryWatcher* watcher = window.recoveryGuard().watcher();
        window.floors().floor(1).image.setPixel(3, 3, qRgb(0, 0, 0));
        watcher->flush();
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(),
                 QStringLiteral("Let op: er kan geen herstelkopie van de tekening worden bewaard."));
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->palette().color(QPalette::WindowText), QColor(220, 0, 0));

        // Said once: later failures leave the information line to the drawing.
        named<InfoLabel>(window, QStringLiteral("infoLabel"))->ShowInfoText(QStringLiteral("-"));
        window.floors().floor(1).image.setPixel(4, 4, qRgb(0, 0, 0));
        watcher->flush();
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Informatie..."));
        // Drawing goes on as before.
        QCOMPARE(window.floors().floor(1).image.pixel(4, 4), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
