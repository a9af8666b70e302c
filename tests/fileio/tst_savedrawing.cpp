#include "Named.h"
#include "app/MainWindow.h"
#include "bmp2jpeg/Bmp2Jpeg.h"
#include "fileio/SaveDrawing.h"
#include "image/BmpFile.h"
#include "plan/Plan.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
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

// A plan as users draw them: white, black walls, thin coloured lines, a filled room.
QImage planPicture(int width, int height)
{
    QImage image = filled(width, qRgb(255, 255, 255), height);
    QPainter p(&image);
    p.fillRect(20, 20, width - 40, 4, Qt::black);
    p.fillRect(20, 20, 4, height - 40, Qt::black);
    p.fillRect(60, 60, 80, 50, QColor(255, 255, 160));
    p.setPen(QColor(255, 0, 0));
    p.drawLine(30, 200, width - 30, 200);
    p.setPen(QColor(0, 0, 255));
    p.drawLine(30, 240, width - 30, 300);
    p.setPen(QColor(0, 160, 0));
    p.drawLine(100, 30, 100, height - 30);
    return image;
}

// A header field of `size` bytes at `at` set to `value`, little-endian.
QByteArray withField(QByteArray bytes, int at, quint32 value, int size = 4)
{
    const quint32 little = qToLittleEndian(value);
    return bytes.replace(at, size, reinterpret_cast<const char*>(&little), size);
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray get(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool convert(const QString& bmp, const QString& jpg, short quality = 100)
{
    return BmpToJpeg(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(), quality);
}
} // namespace

// Saving the floors side by side, as BMP, or as JPG through the converter.
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
        named<QPushButton>(window, QStringLiteral("showFloorButton"), shownFloor)->click();
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
    }

    void temporaryFileNotListed()
    {
        TestProgram program;
        Plan plan(350);
        ListingWithoutTemporary save(program.context, plan);
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
        QTest::newRow("JPG into a missing folder") << true << "gone/plan.jpg" << "gone/plan.jpg";
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
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void roundTripWithinOneStep_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("topDown");
        QTest::newRow("one floor") << 350 << false;
        QTest::newRow("three wide floors") << 1410 << false;
        QTest::newRow("odd width, rows top-down") << 351 << true;
    }

    // Thin coloured lines survive only at full colour resolution.
    void roundTripWithinOneStep()
    {
        QFETCH(int, width);
        QFETCH(bool, topDown);
        QTemporaryDir dir;
        const QImage plan = planPicture(width, 455);
        // Same pixels, rows stored from the top with a negative height.
        put(dir.filePath("in.bmp"), topDown ? withField(encodeBmp24(plan.mirrored(false, true)), 22, quint32(-455))
                                            : encodeBmp24(plan));
        QVERIFY(convert(dir.filePath("in.bmp"), dir.filePath("out.jpg")));

        const QImage back = QImage::fromData(get(dir.filePath("out.jpg")), "JPG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(back.size(), plan.size());
        QVERIFY2(largestChannelError(plan, back) <= 1, qPrintable(QString::number(largestChannelError(plan, back))));
        // The temporary file beside the target was renamed, not left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"in.bmp", "out.jpg"}));
    }

    void qualityIsClampedToItsScale()
    {
        QTemporaryDir dir;
        QVERIFY(writeBmp24(planPicture(350, 455), dir.filePath("in.bmp")));
        const auto jpgOf = [&](short quality) {
            const QString out = dir.filePath(QStringLiteral("q%1.jpg").arg(quality));
            return convert(dir.filePath("in.bmp"), out, quality) ? get(out) : QByteArray();
        };
        const QByteArray best = jpgOf(100);
        const QByteArray coarse = jpgOf(10);
        QVERIFY(!coarse.isEmpty() && coarse.size() * 2 < best.size());
        QCOMPARE(jpgOf(400), best);
        QCOMPARE(jpgOf(-7), jpgOf(0));
    }

    void refusalLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("bmp");
        QTest::addColumn<QString>("target");
        const QByteArray good = encodeBmp24(planPicture(40, 30));
        const auto row = [](const char* name, const QByteArray& bmp, const QString& target = QStringLiteral("out.jpg")) {
            QTest::newRow(name) << QStringLiteral("in.bmp") << bmp << target;
        };
        row("empty", QByteArray());
        row("not a bitmap", QByteArray("GIF89a and so on, nothing a bitmap would hold....................."));
        row("wrong magic", QByteArray("BA") + good.mid(2));
        row("truncated pixels", good.left(good.size() - 100));
        row("header only", good.left(54));
        row("claims 100000 x 100000", withField(withField(good, 18, 100000), 22, 100000));
        row("zero width", withField(good, 18, 0));
        row("negative width", withField(good, 18, quint32(-40)));
        row("zero height", withField(good, 22, 0));
        row("32 bits per pixel", withField(good, 28, 32, 2));
        row("8 bits per pixel", withField(good, 28, 8, 2));
        row("run-length coded", withField(good, 30, 1));
        row("pixels before the headers end", withField(good, 10, 20));
        row("pixels beyond the file", withField(good, 10, 0x7FFFFFF0));
        row("unknown header size", withField(good, 14, 64));
        row("folder missing", good, QStringLiteral("missing/out.jpg"));
        row("target is a folder", good, QStringLiteral("taken"));
        QTest::newRow("no bitmap") << "absent.bmp" << good << "out.jpg";
    }

    // A refused conversion keeps the old drawing and leaves no temporary file.
    void refusalLeavesTheFolderAsItWas()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bmp);
        QFETCH(QString, target);
        QTemporaryDir dir;
        put(dir.filePath("in.bmp"), bmp);
        put(dir.filePath("out.jpg"), "old drawing");
        QVERIFY(QDir(dir.path()).mkdir("taken"));

        QVERIFY(!convert(dir.filePath(source), dir.filePath(target)));
        QCOMPARE(get(dir.filePath("out.jpg")), QByteArray("old drawing"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"in.bmp", "out.jpg", "taken"}));
    }
};

QTEST_MAIN(TestSaveDrawing)
#include "tst_savedrawing.moc"
