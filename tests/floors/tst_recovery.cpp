#include "TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "floors/CanvasWidget.h"
#include "floors/FloorPanel.h"
#include "floors/RecoveryGuard.h"
#include "floors/RecoveryStore.h"
#include "floors/RecoveryWatcher.h"

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
    void storeRoundTrip();
    void unwritableFolder();
    void watcherWritesAfterChange();
    void startAnswer_data();
    void startAnswer();
    void confirmedExitRemovesCopy();
    void noQuestionWithoutCopy();
    void unwritableCopySaidOnce();
};

void TestRecovery::storeRoundTrip()
{
    QTemporaryDir dir;
    RecoveryStore store(dir.filePath(QStringLiteral("a/b")));
    QVERIFY(!store.exists());
    const auto floors = sampleFloors(470);
    QVERIFY(store.save(floors));
    QVERIFY(store.exists());
    const auto back = store.load();
    QVERIFY(back.has_value());
    for (size_t f = 0; f < 3; ++f)
        QCOMPARE((*back)[f], floors[f]);
    store.remove();
    QVERIFY(!store.exists());
    QVERIFY(!store.load().has_value());
}

void TestRecovery::unwritableFolder()
{
    QTemporaryDir dir;
    // A file where the folder should be cannot be written into, even by root.
    QFile blocker(dir.filePath(QStringLiteral("recovery")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryStore store(blocker.fileName());
    QVERIFY(!store.save(sampleFloors(350)));
}

void TestRecovery::watcherWritesAfterChange()
{
    QTemporaryDir dir;
    Floors floors(350);
    RecoveryWatcher watcher(floors, RecoveryStore(dir.filePath(QStringLiteral("r"))));
    watcher.setDelay(50);
    QSignalSpy written(&watcher, &RecoveryWatcher::written);
    QTest::qWait(700);
    QCOMPARE(written.count(), 0);
    QVERIFY(!watcher.store().exists());

    floors.floor(2).image.setPixel(5, 6, qRgb(1, 2, 3));
    QVERIFY(written.wait(3000));
    const auto back = watcher.store().load();
    QVERIFY(back.has_value());
    QCOMPARE((*back)[1].pixel(5, 6), qRgb(1, 2, 3));
}

void TestRecovery::startAnswer_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("copyWidth");
    QTest::addColumn<int>("canvasWidth");
    QTest::newRow("yes restores") << true << 350 << 350;
    QTest::newRow("no removes") << false << 350 << 350;
    // Widened after the last Exit: the copy brings its width along.
    QTest::newRow("yes, taken at 470") << true << 470 << 470;
    QTest::newRow("no, taken at 470") << false << 470 << 350;
    QTest::newRow("yes, no canvas is that wide") << true << 500 << 350;
}

void TestRecovery::startAnswer()
{
    QFETCH(bool, answer);
    QFETCH(int, copyWidth);
    QFETCH(int, canvasWidth);
    TestProgram program;
    program.writeFile(QStringLiteral("Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n");
    const auto floors = sampleFloors(copyWidth);
    QVERIFY(RecoveryStore(RecoveryStore::defaultFolder()).save(floors));
    MainWindow& window = program.start();
    program.prompts.yesNoAnswers << answer;
    window.recoveryGuard().start();

    QCOMPARE(program.prompts.questions.size(), 1);
    QVERIFY(program.prompts.questions[0].startsWith(QStringLiteral(" Herstellen|")));
    for (int f = 1; f <= 3; ++f) {
        const QImage& image = window.floors().floor(f).image;
        if (answer) {
            QCOMPARE(image, floors[size_t(f - 1)].copy(0, 0, canvasWidth, 455));
        } else {
            QImage white(350, 455, QImage::Format_RGB32);
            white.fill(Qt::white);
            QCOMPARE(image, white);
        }
    }
    // As the width bar sets it: the value kept at Exit, the window and its label.
    QCOMPARE(program.state.CanvasExtraWidth, (canvasWidth - 350) * 15);
    QCOMPARE(window.Pic(1)->width(), canvasWidth);
    QCOMPARE(window.floorPanel()->SMBlabel()->text(), QStringLiteral(" %1 pixels").arg(canvasWidth));
    QCOMPARE(RecoveryStore(RecoveryStore::defaultFolder()).exists(), answer);
}

void TestRecovery::confirmedExitRemovesCopy()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.recoveryGuard().start();
    window.floors().floor(1).image.setPixel(1, 1, qRgb(0, 0, 0));
    window.recoveryGuard().watcher()->flush();
    QVERIFY(RecoveryStore(RecoveryStore::defaultFolder()).exists());

    program.prompts.yesNoAnswers << true;
    window.menus().FileExit->trigger();
    QVERIFY(!RecoveryStore(RecoveryStore::defaultFolder()).exists());
}

void TestRecovery::noQuestionWithoutCopy()
{
    TestProgram program;
    MainWindow& window = program.start();
    window.show();
    QTest::qWait(50);
    QVERIFY(program.prompts.questions.isEmpty());
    QVERIFY(window.recoveryGuard().watcher() != nullptr);
}

void TestRecovery::unwritableCopySaidOnce()
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
    QCOMPARE(window.infoLabel()->text(),
             QStringLiteral("Let op: er kan geen herstelkopie van de tekening worden bewaard."));
    QCOMPARE(window.infoLabel()->palette().color(QPalette::WindowText), QColor(220, 0, 0));

    // Said once: later failures leave the information line to the drawing.
    window.infoLabel()->ShowInfoText(QStringLiteral("-"));
    window.floors().floor(1).image.setPixel(4, 4, qRgb(0, 0, 0));
    watcher->flush();
    QCOMPARE(window.infoLabel()->text(), QStringLiteral("Informatie..."));
    // Drawing goes on as before.
    QCOMPARE(window.floors().floor(1).image.pixel(4, 4), qRgb(0, 0, 0));
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
