#include "Named.h"
#include "app/MainWindow.h"
#include "fileio/SaveDrawing.h"
#include "floors/FloorSwitcher.h"
#include "plan/Plan.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtTest>

namespace {
// Each floor gets its own colour and a mark of its own, so a strip in the
// wrong place or a floor saved twice shows.
void drawOnFloors(Plan& plan)
{
    const QRgb backgrounds[3] = {qRgb(255, 255, 255), qRgb(255, 240, 200), qRgb(200, 230, 255)};
    for (int i = 1; i <= 3; ++i) {
        QImage& image = plan.floor(i).image;
        image.fill(backgrounds[i - 1]);
        for (int x = 10; x < image.width() - 10; ++x)
            image.setPixel(x, 50 * i, qRgb(0, 0, 0));
        for (int y = 100; y < 300; ++y)
            image.setPixel(30 * i, y, qRgb(255, 0, 0));
    }
}

// The files the program folder holds besides its settings file.
QStringList filesIn(const TestProgram& program)
{
    QStringList files = QDir(program.folder()).entryList(QDir::Files);
    files.removeAll(QStringLiteral("Rimbano.ini"));
    return files;
}

// A folder listing that reports the temporary file under another spelling.
class ListingWithoutTemporary : public SaveDrawing {
public:
    using SaveDrawing::SaveDrawing;
    QStringList temporaryFolderFiles() const override { return {QStringLiteral("MYDUMMY.BMP")}; }
};
} // namespace

class TestSaveDrawing : public QObject {
    Q_OBJECT
private slots:
    void savesFloorsSideBySide_data()
    {
        QTest::addColumn<bool>("asJpg");
        QTest::addColumn<int>("extraTwips");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shownFloor");
        QTest::addColumn<QString>("name");
        QTest::newRow("BG as BMP while floor 2 is shown") << false << 0 << 1 << 2 << "plan.bmp";
        QTest::newRow("BG + 1e as BMP") << false << 0 << 2 << 1 << "plan.bmp";
        QTest::newRow("BG + 1e + 2e as BMP at 450") << false << 1500 << 3 << 3 << "plan.bmp";
        QTest::newRow("BMP under a name without extension") << false << 0 << 2 << 1 << "plan";
        QTest::newRow("BG as JPG while floor 3 is shown") << true << 0 << 1 << 3 << "plan.jpg";
        QTest::newRow("BG + 1e + 2e as JPG") << true << 0 << 3 << 1 << "plan.jpg";
        QTest::newRow("BG + 1e as JPG at 450") << true << 1500 << 2 << 2 << "plan.jpg";
        QTest::newRow("JPG under a name ending in .bmp") << true << 0 << 1 << 1 << "plan.bmp";
    }

    void savesFloorsSideBySide()
    {
        QFETCH(bool, asJpg);
        QFETCH(int, extraTwips);
        QFETCH(int, count);
        QFETCH(int, shownFloor);
        QFETCH(QString, name);
        TestProgram program;
        // An installed program cannot write beside itself: a folder in the way of
        // the temporary file there shows the bitmap goes to the writable folder.
        QVERIFY(QDir(program.folder()).mkdir("mydummy.bmp"));
        QTemporaryDir writable;
        MainWindow& window = program.start();
        program.folders.writable = writable.path();
        program.settings.saveAsJpg = asJpg;
        program.settings.canvasExtraWidth = extraTwips;
        window.applyCanvasWidth();
        window.floorSwitcher().chooseFloor(shownFloor);
        window.plan().history().record({1, 2, 3}, {}, [&window] { drawOnFloors(window.plan()); });

        program.prompts.saveAnswers << program.path(name);
        named<QAction>(window, QStringLiteral("saveFloorsAction"), count)->trigger();

        QCOMPARE(program.prompts.fileFilters,
                 QStringList(asJpg ? QStringLiteral("Jpg format (*.jpg)") : QStringLiteral("Bitmap format (*.bmp)")));
        QCOMPARE(program.prompts.messages, QStringList());
        QCOMPARE(filesIn(program), QStringList(name));
        const QByteArray bytes = program.readFile(name);
        QCOMPARE(bytes.left(2), asJpg ? QByteArray("\xFF\xD8") : QByteArray("BM"));
        const QImage saved = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
        const int w = 350 + extraTwips / 15;
        QCOMPARE(saved.size(), QSize(count * w, 455));
        // A JPG comes back within one step of every colour value.
        for (int k = 1; k <= count; ++k)
            QVERIFY(largestChannelError(saved.copy((k - 1) * w, 0, w, 455), window.plan().floor(k).image) <= (asJpg ? 1 : 0));
        QCOMPARE(QDir(writable.path()).entryList(QDir::Files), QStringList());
        QVERIFY(window.plan().history().canUndo()); // saving keeps what Undo can do
        QCOMPARE(window.plan().currentFloor(), shownFloor);
        QVERIFY(!QGuiApplication::overrideCursor());

        // And back: loading the file gives the saved floors, the rest white.
        QList<QImage> expected;
        for (int k = 1; k <= 3; ++k) {
            QImage& floor = window.plan().floor(k).image;
            expected << floor;
            if (k > count)
                expected.last().fill(Qt::white);
            floor.fill(qRgb(10, 20, 30));
        }
        program.prompts.openAnswers << program.path(name);
        named<QAction>(window, QStringLiteral("loadAction"))->trigger();
        QCOMPARE(program.prompts.messages, QStringList());
        for (int k = 1; k <= 3; ++k)
            QVERIFY(largestChannelError(window.plan().floor(k).image, expected[k - 1]) <= (asJpg ? 1 : 0));
    }

    void temporaryFileNotListed()
    {
        TestProgram program;
        MainWindow& window = program.start();
        ListingWithoutTemporary save(window.context(), window.plan());
        program.prompts.saveAnswers << program.path("plan.jpg");
        save.saveFloors(1);
        QCOMPARE(program.prompts.messages, QStringList("Fout bij het saven naar JPG!"));
        QVERIFY(!QFile::exists(program.path("plan.jpg")));
    }

    void failedOrCancelledSaveWritesNothing_data()
    {
        QTest::addColumn<bool>("asJpg");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("failedFile");
        QTest::newRow("read-only BMP") << false << "old.bmp" << "old.bmp";
        QTest::newRow("read-only JPG") << true << "old.jpg" << "old.jpg";
        QTest::newRow("BMP into a missing folder") << false << "gone/plan.bmp" << "gone/plan.bmp";
        QTest::newRow("JPG into a missing folder") << true << "gone/plan.jpg" << "gone/plan.jpg";
        QTest::newRow("JPG over a folder") << true << "taken" << "taken";
        QTest::newRow("temporary file cannot be made") << true << "plan.jpg" << "mydummy.bmp";
        QTest::newRow("cancelled: no message") << true << "" << "";
    }

    void failedOrCancelledSaveWritesNothing()
    {
        QFETCH(bool, asJpg);
        QFETCH(QString, target);
        QFETCH(QString, failedFile);
        TestProgram program;
        program.writeFile("old.bmp", "old drawing");
        program.writeFile("old.jpg", "old drawing");
        for (const char* readOnly : {"old.bmp", "old.jpg"})
            QVERIFY(QFile::setPermissions(program.path(readOnly), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(QDir(program.folder()).mkdir("taken"));
        if (failedFile == "mydummy.bmp")
            QVERIFY(QDir(program.folder()).mkdir("mydummy.bmp"));
        MainWindow& window = program.start();
        program.settings.saveAsJpg = asJpg;
        program.prompts.saveAnswers << (target.isEmpty() ? QString() : program.path(target));
        named<QAction>(window, QStringLiteral("saveFloorsAction"), 3)->trigger();

        QCOMPARE(program.prompts.fileFilters.size(), 1);
        QCOMPARE(program.prompts.messages,
                 failedFile.isEmpty() ? QStringList()
                                      : QStringList("Fout bij het saven naar " + QDir::toNativeSeparators(program.path(failedFile)) + "!"));
        QCOMPARE(program.readFile("old.bmp"), QByteArray("old drawing"));
        QCOMPARE(program.readFile("old.jpg"), QByteArray("old drawing"));
        QCOMPARE(filesIn(program), QStringList({"old.bmp", "old.jpg"}));
        QVERIFY(QFileInfo(program.path("taken")).isDir());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TestSaveDrawing)
#include "tst_savedrawing.moc"
