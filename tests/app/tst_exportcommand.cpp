#include "app/CommandLineDrawing.h"
#include "app/ExportCommand.h"
#include "app/MainWindow.h"
#include "printing/PageProbe.h"
#include "support/TestProgram.h"

#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QtTest>

namespace {
const QRgb FloorColours[3] = {qRgb(200, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 220)};

// A saved drawing of `floors` floors of `width` pixels, each floor a solid block of its colour.
QString makeDrawing(const TestProgram& program, const QString& name, int floors, int width, int height = 455)
{
    QImage picture(floors * width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int k = 0; k < floors; ++k)
        painter.fillRect(k * width, 0, width, height, QColor(FloorColours[k]));
    painter.end();
    picture.save(program.path(name), "BMP");
    return program.path(name);
}

// The exit code and what went to the error stream.
std::pair<int, QString> runExport(const QStringList& options, const QString& folder)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = ExportCommand::run(QStringList{QStringLiteral("rimbano")} + options, folder, outStream, errStream);
    errStream.flush();
    return {code, err};
}

} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QStringList out{"--output", "out.pdf"};
        QTest::newRow("missing file") << "nowhere.jpg" << out << 3 << "bestaat niet";
        QTest::newRow("not a picture") << "garbage.jpg" << out << 4 << "geen leesbaar plaatje";
        QTest::newRow("wrong height") << "low.bmp" << out << 4 << "Geen geldig formaat!";
        QTest::newRow("width fits no floors") << "wide.bmp" << out << 5 << "gebruik --canvas-width 250";
        QTest::newRow("output cannot be written") << "one.bmp" << QStringList{"--output", "no/such/folder/out.pdf"}
                                                  << 6 << "kan niet worden geschreven";
        QTest::newRow("no output") << "one.bmp" << QStringList{} << 2 << "--output";
        QTest::newRow("canvas width 349") << "one.bmp" << out + QStringList{"--canvas-width", "349"} << 2 << "350 t/m 470";
        QTest::newRow("canvas width 350") << "one.bmp" << out + QStringList{"--canvas-width", "350"} << 0 << "";
        QTest::newRow("canvas width 470") << "one470.bmp" << out + QStringList{"--canvas-width", "470"} << 0 << "";
        QTest::newRow("canvas width 471") << "one470.bmp" << out + QStringList{"--canvas-width", "471"} << 2
                                          << "350 t/m 470";
        QTest::newRow("cm per pixel without scale") << "one.bmp" << out + QStringList{"--cm-per-pixel", "5"} << 2
                                                    << "--cm-per-pixel hoort bij --scale";
        QTest::newRow("scale not offered") << "one.bmp" << out + QStringList{"--scale", "1:30"} << 2
                                           << "1:20, 1:50, 1:100 of 1:200";
        QTest::newRow("bad cm per pixel") << "one.bmp" << out + QStringList{"--scale", "1:100", "--cm-per-pixel", "0"}
                                          << 2 << "1 t/m 100";
        QTest::newRow("no scale anywhere") << "one.bmp" << out + QStringList{"--scale", "1:100"} << 7
                                           << "geef met --cm-per-pixel";
        QTest::newRow("plan too large") << "one.bmp" << out + QStringList{"--scale", "1:20", "--cm-per-pixel", "5"} << 8
                                        << "Bij schaal 1:20 past de plattegrond niet op het papier; bij 1:100 past hij wel.";
    }

    void outcomes()
    {
        QFETCH(QString, drawing);
        QFETCH(QStringList, extra);
        TestProgram program;
        QVERIFY(QDir::setCurrent(program.folder()));
        program.writeFile(QStringLiteral("garbage.jpg"), "dit is geen plaatje");
        makeDrawing(program, QStringLiteral("low.bmp"), 1, 350, 400);
        makeDrawing(program, QStringLiteral("wide.bmp"), 1, 500);
        makeDrawing(program, QStringLiteral("one.bmp"), 1, 350);
        makeDrawing(program, QStringLiteral("one470.bmp"), 1, 470);

        const auto [code, err] = runExport(QStringList{"--export-pdf", drawing} + extra, program.folder());
        QTEST(code, "code");
        QFETCH(QString, message);
        QVERIFY2(message.isEmpty() ? err.isEmpty() : err.contains(message), qPrintable(err));
        QCOMPARE(QFile::exists(program.path(QStringLiteral("out.pdf"))), message.isEmpty());
    }

    // `rimbano PLAN.jpg` loads as File > Load; anything else leaves the floors white.
    void drawingOnTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("floors");
        QTest::newRow("none") << QStringList{"--program-folder", "elders"} << "" << 0;
        QTest::newRow("after the program folder") << QStringList{"--program-folder=elders", "plan.bmp"} << "" << 2;
        QTest::newRow("two drawings") << QStringList{"plan.bmp", "plan.bmp"} << CommandLineDrawing::oneAtATimeText() << 0;
        QTest::newRow("a folder") << QStringList{"map"} << "Fout bij het laden van map!" << 0;
        QTest::newRow("unknown option") << QStringList{"--nee", "plan.bmp"} << "'nee'" << 0;
    }

    void drawingOnTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TestProgram program;
        QVERIFY(QDir::setCurrent(program.folder()));
        QVERIFY(QDir().mkdir(QStringLiteral("map")));
        makeDrawing(program, QStringLiteral("plan.bmp"), 2, 350);
        QString error;
        const auto files = CommandLineDrawing::filesIn(QStringList{"rimbano"} + arguments, error);
        MainWindow& window = program.start();
        if (files)
            CommandLineDrawing::open(window, *files);
        const QString said = files ? program.prompts.messages.join(QLatin1Char('|')) : error;
        QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
        QFETCH(int, floors);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(window.plan().floor(k).image.pixel(10, 10), k <= floors ? FloorColours[k - 1] : qRgb(255, 255, 255));
    }

    void threeFloorPage()
    {
        TestProgram program;
        const QString drawing = makeDrawing(program, QStringLiteral("plan.bmp"), 3, 370);
        const QString pdf = program.path(QStringLiteral("huis.pdf"));
        const auto [code, err] = runExport({"--export-pdf", drawing, "--output", pdf, "--title", "Ons huis", "--date",
                                         "--canvas-width", "370"},
                                        program.folder());
        QVERIFY2(code == 0, qPrintable(err));

        // One landscape A4 page at 72 dpi: 842 x 595 points.
        const QList<QImage> pages = PageProbe::rasterise(pdf, 72);
        QCOMPARE(pages.size(), 1);
        const QImage& page = pages.first();
        QCOMPARE(page.size(), QSize(842, 595));
        const auto boxOf = [&page](QRgb colour) {
            return PageProbe::boundingBox(page, [colour](QRgb p) { return PageProbe::near(p, colour, 29); });
        };

        // Three plans side by side, 5250 x 6830 twips each (262.5 x 341.5 points), lower than the title.
        QRect boxes[3];
        for (int k = 0; k < 3; ++k) {
            boxes[k] = boxOf(FloorColours[k]);
            QVERIFY(qAbs(boxes[k].width() - 262) <= 2);
            QVERIFY(qAbs(boxes[k].height() - 341) <= 2);
            QCOMPARE(boxes[k].top(), boxes[0].top());
        }
        QVERIFY(boxes[0].right() < boxes[1].left() && boxes[1].right() < boxes[2].left());
        // The title colour appears above the plans.
        const QRect title = boxOf(qRgb(160, 20, 80));
        QVERIFY(!title.isEmpty());
        QVERIFY(title.bottom() < boxes[0].top());
    }

    // An installed program folder cannot be written: the width set in the window
    // lives in the user's configuration folder, and the export reads it there.
    void widthFromUserSettings()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Rimbano"));
        TestProgram program;
        qputenv("XDG_CONFIG_HOME", program.folder().toUtf8());
        QDir().mkpath(program.path(QStringLiteral("Rimbano")));
        program.writeFile(QStringLiteral("Rimbano/Rimbano.ini"), "\"Rimbano\"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n300\r\n");
        const QString pdf = program.path(QStringLiteral("huis.pdf"));
        const QString drawing = makeDrawing(program, QStringLiteral("plan.bmp"), 2, 370);
        const auto [code, err] = runExport({"--export-pdf", drawing, "--output", pdf}, QStringLiteral("/proc"));
        QVERIFY2(code == 0, qPrintable(err));
        QVERIFY(QFile::exists(pdf));
    }
};

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
