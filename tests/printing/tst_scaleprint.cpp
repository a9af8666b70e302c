#include "PageProbe.h"
#include "PrintRig.h"
#include "app/ExportCommand.h"
#include "plan/PlanScale.h"
#include "printing/PdfExport.h"
#include "printing/ScalePageComposer.h"
#include "printing/ScalePrintDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QTextStream>
#include <QtTest>

using namespace PageProbe;

namespace {
constexpr int Dpi = 300;

// The longest run of dark pixels in one row between `top` and `bottom`, in millimetres.
double longestDarkRun(const QImage& page, int top, int bottom)
{
    int best = 0;
    for (int y = top; y < bottom; ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best * 25.4 / Dpi;
}

// Ground floor and second floor each get a wall of 100 pixels; the first floor stays blank.
void drawWalls(PrintRig& rig)
{
    for (int f = 1; f <= 3; ++f)
        rig.floors.floor(f).image.fill(qRgb(255, 255, 255));
    for (const int f : {1, 3})
        for (int x = 40; x < 140; ++x)
            for (const int y : {60, 61})
                rig.floors.floor(f).image.setPixel(x, y, qRgb(0, 0, 0));
}

// A dark block of `size` pixels from 20, 20 on a white floor; the drawn box is 10 pixels larger.
QImage floorWithBlock(QSize size)
{
    QImage floor(350, 455, QImage::Format_RGB32);
    floor.fill(qRgb(255, 255, 255));
    QPainter(&floor).fillRect(QRect(QPoint(20, 20), size), Qt::black);
    return floor;
}

std::unique_ptr<ScalePrintDialog> openDialog(PrintRig& rig, const PlanScale& scale, int ratio, bool allFloors)
{
    auto dialog = std::make_unique<ScalePrintDialog>(rig.floors, 1, scale, rig.commands.job());
    dialog->ratioChoice()->setCurrentIndex(dialog->ratioChoice()->findData(ratio));
    dialog->floorChoice()->setCurrentIndex(allFloors ? 1 : 0);
    return dialog;
}
} // namespace

class TestScalePrint : public QObject {
    Q_OBJECT
private slots:
    void measuredOnPaper_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<int>("pages");
        QTest::newRow("window, shown floor, 1:100") << "window" << 100 << 1;
        QTest::newRow("window, all drawn floors, 1:50") << "window" << 50 << 2;
        QTest::newRow("command line, 1:200") << "--cm-per-pixel" << 200 << 1;
        QTest::newRow("command line, scale kept by the window") << "" << 100 << 1;
    }

    void measuredOnPaper()
    {
        QFETCH(QString, via);
        QFETCH(int, ratio);
        QFETCH(int, pages);
        PrintRig rig;
        drawWalls(rig);
        PlanScale scale;
        scale.set(5);
        QString pdf = rig.path(QStringLiteral("cli.pdf"));
        if (via == QLatin1String("window")) {
            pdf = rig.offerPdf(QStringLiteral("plan.pdf"));
            const auto dialog = openDialog(rig, scale, ratio, pages > 1);
            dialog->printClicked();
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        } else {
            const QString drawing = rig.path(QStringLiteral("huis.bmp"));
            QVERIFY(rig.floors.floor(1).image.save(drawing, "BMP"));
            QStringList arguments{"rimbano", "--export-pdf", drawing, "--output", pdf, "--scale",
                                  QStringLiteral("1:%1").arg(ratio)};
            if (via.isEmpty()) {
                QFile kept(rig.path(QStringLiteral("Rimbano-schaal.ini")));
                QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("5\r\n") == 3);
            } else {
                arguments << via << QStringLiteral("5");
            }
            QString out;
            QTextStream stream(&out);
            QCOMPARE(ExportCommand::run(arguments, rig.folder(), stream, stream), 0);
        }

        const QList<QImage> rendered = rasterise(pdf, Dpi);
        QCOMPARE(rendered.size(), pages);
        const QImage& page = rendered.first();
        // Pdftoppm (poppler-utils) renders the pages. 100 pixels of 5 cm are 5 m:
        // 50 mm at 1:100. The bar is 1 m.
        const double wall = longestDarkRun(page, 0, page.height() / 2);
        const double bar = longestDarkRun(page, page.height() * 9 / 10, page.height());
        QVERIFY2(qAbs(wall - 5000.0 / ratio) <= 0.3, qPrintable(QString::number(wall)));
        QVERIFY2(qAbs(bar - 1000.0 / ratio) <= 0.3, qPrintable(QString::number(bar)));
    }

    // The smallest drawn part, one pixel of the faintest ink, gets a page with a
    // white margin round it that stays inside the floor.
    void drawnBoxOfOnePixel_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRect>("box");
        QTest::newRow("middle") << 350 << QPoint(100, 100) << QRect(95, 95, 11, 11);
        QTest::newRow("top left corner") << 350 << QPoint(0, 0) << QRect(0, 0, 6, 6);
        QTest::newRow("bottom right corner, 350") << 350 << QPoint(349, 454) << QRect(344, 449, 6, 6);
        QTest::newRow("top right corner, 470") << 470 << QPoint(469, 0) << QRect(464, 0, 6, 6);
        QTest::newRow("nothing drawn") << 470 << QPoint(-1, -1) << QRect();
    }

    void drawnBoxOfOnePixel()
    {
        QFETCH(int, width);
        QFETCH(QPoint, pixel);
        QImage floor(width, 455, QImage::Format_RGB32);
        floor.fill(qRgb(255, 255, 255));
        if (floor.valid(pixel))
            floor.setPixel(pixel, qRgb(254, 255, 255));
        QTEST(ScalePageComposer::drawnBox(floor), "box");
    }

    // At 5 cm a pixel and 1:50 a pixel is a millimetre; the plan's room on A4
    // is 202.94 x 255.94 mm upright and 289.94 x 168.94 mm across.
    void orientationPerFloor_data()
    {
        QTest::addColumn<QSize>("block"); // the drawn box is 10 pixels larger
        QTest::addColumn<int>("orientation"); // -1: fits neither way
        const int portrait = QPageLayout::Portrait;
        const int landscape = QPageLayout::Landscape;
        QTest::newRow("one pixel: portrait first") << QSize(1, 1) << portrait;
        QTest::newRow("202 wide, 230 high: portrait") << QSize(192, 220) << portrait;
        QTest::newRow("203 wide, 230 high: neither") << QSize(193, 220) << -1;
        QTest::newRow("110 wide, 255 high: portrait") << QSize(100, 245) << portrait;
        QTest::newRow("110 wide, 256 high: neither") << QSize(100, 246) << -1;
        QTest::newRow("260 wide, 168 high: landscape") << QSize(250, 158) << landscape;
        QTest::newRow("260 wide, 169 high: neither") << QSize(250, 159) << -1;
        QTest::newRow("289 wide, 100 high: landscape") << QSize(279, 90) << landscape;
        QTest::newRow("290 wide, 100 high: neither") << QSize(280, 90) << -1;
    }

    void orientationPerFloor()
    {
        QFETCH(QSize, block);
        const ScalePage page{{}, {}, floorWithBlock(block), 5, 50, {}};
        const auto orientation = ScalePageComposer::orientationFor(page, pdfPageLayout(QPageLayout::Portrait));
        QTEST(orientation ? int(*orientation) : -1, "orientation");
    }

    // All floors at one ratio: each page turns the way its floor fits, and only
    // a floor that fits neither way stops the printout.
    void allFloorsEachTheirWay_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<QSize>("secondFloor");
        QTest::addColumn<QString>("refusal");
        const QString tooLarge = QStringLiteral("Bij schaal 1:50 past de plattegrond niet op het papier; bij 1:100 past hij wel.");
        QTest::newRow("window") << true << QSize(250, 90) << QString();
        QTest::newRow("command line") << false << QSize(250, 90) << QString();
        QTest::newRow("window, one fits neither way") << true << QSize(250, 220) << tooLarge;
        QTest::newRow("command line, one fits neither way") << false << QSize(250, 220) << tooLarge;
    }

    void allFloorsEachTheirWay()
    {
        QFETCH(bool, window);
        QFETCH(QSize, secondFloor);
        QFETCH(QString, refusal);
        PrintRig rig;
        rig.floors.floor(1).image = floorWithBlock(QSize(140, 220));
        rig.floors.floor(2).image = floorWithBlock(secondFloor);
        rig.floors.floor(3).image.fill(qRgb(255, 255, 255));
        PlanScale scale;
        scale.set(5);
        QString pdf = rig.path(QStringLiteral("plan.pdf"));
        if (window) {
            if (refusal.isEmpty())
                rig.offerPdf(QStringLiteral("plan.pdf"));
            const auto dialog = openDialog(rig, scale, 50, true);
            dialog->printClicked();
            QCOMPARE(dialog->result(), int(refusal.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY(dialog->messageLabel()->text().endsWith(refusal));
        } else {
            QImage drawing(3 * 350, 455, QImage::Format_RGB32);
            QPainter painter(&drawing);
            for (int f = 1; f <= 3; ++f)
                painter.drawImage((f - 1) * 350, 0, rig.floors.floor(f).image);
            painter.end();
            QVERIFY(drawing.save(rig.path(QStringLiteral("huis.bmp")), "BMP"));
            QString err;
            QTextStream stream(&err);
            const int code = ExportCommand::run({"rimbano", "--export-pdf", rig.path(QStringLiteral("huis.bmp")), "--output",
                                                 pdf, "--scale", "1:50", "--cm-per-pixel", "5"},
                                                rig.folder(), stream, stream);
            stream.flush();
            QCOMPARE(code, refusal.isEmpty() ? 0 : 8);
            QVERIFY2(err.contains(refusal), qPrintable(err));
        }
        // Upright with the tall floor 150 mm wide, across with the wide one 260 mm wide.
        const QList<QImage> pages = rasterise(pdf, Dpi);
        QCOMPARE(pages.size(), refusal.isEmpty() ? 2 : 0);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            QCOMPARE(pages[i].width() > pages[i].height(), i == 1);
            QVERIFY(qAbs(longestDarkRun(pages[i], 0, pages[i].height() * 4 / 5) - (i ? 250 : 140)) < 1);
        }
    }

    void refusedWhenTooLarge_data()
    {
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("message");
        QTest::newRow("fits at a smaller ratio")
            << 5 << 50 << "Bij schaal 1:50 past de plattegrond niet op het papier; bij 1:100 past hij wel.";
        QTest::newRow("fits at none") << 50 << 100
                                      << "Bij schaal 1:100 past de plattegrond niet op het papier, en bij geen van de "
                                         "schalen 1:20, 1:50, 1:100 en 1:200.\nKies bij File > Print Setup groter papier.";
    }

    void refusedWhenTooLarge()
    {
        QFETCH(int, centimetres);
        QFETCH(int, ratio);
        PrintRig rig;
        rig.floors.floor(1).image.fill(qRgb(0, 0, 0));
        PlanScale scale;
        scale.set(centimetres);
        const auto dialog = openDialog(rig, scale, ratio, false);
        dialog->printClicked();
        QTEST(dialog->messageLabel()->text(), "message");
        // Refused before anything was asked or written.
        QVERIFY(rig.prompts.questions.isEmpty());
        QVERIFY(rig.files().isEmpty());
    }
};

QTEST_MAIN(TestScalePrint)
#include "tst_scaleprint.moc"
