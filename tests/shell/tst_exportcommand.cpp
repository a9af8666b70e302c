#include "shell/ExportCommand.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {
const QRgb FloorColours[3] = {qRgb(200, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 220)};

// A saved drawing of `floors` floors of `width` pixels, each floor a solid block of its colour.
QString makeDrawing(const QTemporaryDir& dir, int floors, int width, int height = 455)
{
    QImage picture(floors * width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int k = 0; k < floors; ++k)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(k * width + x, y, FloorColours[k]);
    const QString path = dir.filePath(QStringLiteral("plan%1x%2.bmp").arg(floors).arg(width));
    picture.save(path, "BMP");
    return path;
}

struct Result {
    int code;
    QString out;
    QString err;
};

Result runExport(const QStringList& options, const QString& folder)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = ExportCommand::run(QStringList{QStringLiteral("rimbano")} + options, folder, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

QRect boxOf(const QImage& page, QRgb colour)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qAbs(qRed(p) - qRed(colour)) < 30 && qAbs(qGreen(p) - qGreen(colour)) < 30
                && qAbs(qBlue(p) - qBlue(colour)) < 30)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}
} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void helpListsOptions();
    void threeFloorPage();
};

void TestExportCommand::refusals_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "nowhere.jpg" << QStringList{"--output", "out.pdf"} << 3 << "bestaat niet";
    QTest::newRow("not a picture") << "garbage.jpg" << QStringList{"--output", "out.pdf"} << 4 << "geen leesbaar plaatje";
    QTest::newRow("wrong height") << "low.bmp" << QStringList{"--output", "out.pdf"} << 4 << "Geen geldig formaat!";
    QTest::newRow("width fits no floors") << "wide.bmp" << QStringList{"--output", "out.pdf"} << 5
                                          << "gebruik --canvas-width 250";
    QTest::newRow("output cannot be written") << "one.bmp" << QStringList{"--output", "no/such/folder/out.pdf"} << 6
                                              << "kan niet worden geschreven";
    QTest::newRow("no output") << "one.bmp" << QStringList{} << 2 << "--output";
    QTest::newRow("bad canvas width") << "one.bmp" << QStringList{"--output", "out.pdf", "--canvas-width", "9000"} << 2
                                      << "350 t/m 470";
    QTest::newRow("scale not offered") << "one.bmp" << QStringList{"--output", "out.pdf", "--scale", "1:30"} << 2
                                       << "1:20, 1:50, 1:100 of 1:200";
    QTest::newRow("bad cm per pixel") << "one.bmp"
                                      << QStringList{"--output", "out.pdf", "--scale", "1:100", "--cm-per-pixel", "0"}
                                      << 2 << "1 t/m 100";
    QTest::newRow("no scale anywhere") << "one.bmp" << QStringList{"--output", "out.pdf", "--scale", "1:100"} << 7
                                       << "geef met --cm-per-pixel";
    QTest::newRow("plan too large") << "one.bmp"
                                    << QStringList{"--output", "out.pdf", "--scale", "1:20", "--cm-per-pixel", "5"}
                                    << 8 << "Bij schaal 1:20 past de plattegrond niet op het papier; bij 1:100 past hij wel.";
}

void TestExportCommand::refusals()
{
    QFETCH(QString, drawing);
    QFETCH(QStringList, extra);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile garbage(dir.filePath(QStringLiteral("garbage.jpg")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("dit is geen plaatje");
    garbage.close();
    QFile::rename(makeDrawing(dir, 1, 350, 400), dir.filePath(QStringLiteral("low.bmp")));
    QFile::rename(makeDrawing(dir, 1, 500), dir.filePath(QStringLiteral("wide.bmp")));
    QFile::rename(makeDrawing(dir, 1, 350), dir.filePath(QStringLiteral("one.bmp")));

    const Result result = runExport(QStringList{"--export-pdf", drawing} + extra, dir.path());
    QTEST(result.code, "code");
    QFETCH(QString, message);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
}

void TestExportCommand::helpListsOptions()
{
    const Result result = runExport({QStringLiteral("--help")}, QString());
    QCOMPARE(result.code, 0);
    for (const char* option : {"--export-pdf", "--output", "--title", "--date", "--canvas-width", "--scale", "--cm-per-pixel"})
        QVERIFY2(result.out.contains(QLatin1String(option)), option);
}

void TestExportCommand::threeFloorPage()
{
    QTemporaryDir dir;
    const QString drawing = makeDrawing(dir, 3, 370);
    const QString pdf = dir.filePath(QStringLiteral("huis.pdf"));
    const Result result = runExport({"--export-pdf", drawing, "--output", pdf, "--title", "Ons huis", "--date",
                                     "--canvas-width", "370"},
                                    dir.path());
    QCOMPARE(result.code, 0);
    QVERIFY(QFile::exists(pdf));

    // One landscape A4 page at 72 dpi: 842 x 595 points.
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {"-r", "72", "-png", pdf, dir.filePath(QStringLiteral("page"))});
    QVERIFY2(raster.waitForFinished(30000) && raster.exitCode() == 0, "pdftoppm is needed (poppler-utils)");
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("page-2.png"))));
    const QImage page(dir.filePath(QStringLiteral("page-1.png")));
    QCOMPARE(page.size(), QSize(842, 595));

    // Three plans edge to edge, 5250 x 6830 twips each (262.5 x 341.5 points), 300 twips lower than the title.
    QRect boxes[3];
    for (int k = 0; k < 3; ++k) {
        boxes[k] = boxOf(page, FloorColours[k]);
        QVERIFY(qAbs(boxes[k].width() - 262) <= 2);
        QVERIFY(qAbs(boxes[k].height() - 341) <= 2);
        QCOMPARE(boxes[k].top(), boxes[0].top());
    }
    QVERIFY(qAbs(boxes[1].left() - boxes[0].left() - 262) <= 1);
    QVERIFY(qAbs(boxes[2].left() - boxes[1].left() - 262) <= 1);
    // The title colour appears above the plans.
    const QRect title = boxOf(page, qRgb(160, 20, 80));
    QVERIFY(!title.isEmpty());
    QVERIFY(title.bottom() < boxes[0].top());
}

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
