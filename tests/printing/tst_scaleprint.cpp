#include "PageProbe.h"
#include "PrintRig.h"
#include "app/ExportCommand.h"
#include "image/FloorStrips.h"
#include "plan/PlanScale.h"
#include "printing/PdfExport.h"
#include "printing/ScalePageComposer.h"
#include "printing/ScalePrintDialog.h"
#include "support/PictureCompare.h"

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

// A white floor with a dark block on it, none for an empty one.
QImage floorWith(const QRect& block)
{
    QImage floor = filled(350);
    if (!block.isEmpty())
        QPainter(&floor).fillRect(block, Qt::black);
    return floor;
}

std::unique_ptr<ScalePrintDialog> openDialog(PrintRig& rig, const PlanScale& scale, int ratio, bool allFloors)
{
    auto dialog = std::make_unique<ScalePrintDialog>(rig.plan, 1, scale, rig.commands.job());
    dialog->ratioChoice()->setCurrentIndex(dialog->ratioChoice()->findData(ratio));
    dialog->floorChoice()->setCurrentIndex(allFloors ? 1 : 0);
    return dialog;
}
} // namespace

class TestScalePrint : public QObject {
    Q_OBJECT
private slots:
    // At 5 cm a pixel and 1:50 a pixel is a millimetre; the plan's room on A4
    // is 202.94 x 255.94 mm upright and 289.94 x 168.94 mm across. The drawn
    // box has a white margin of 5 pixels inside the floor, also round the
    // smallest drawn part, one pixel.
    void orientationPerFloor_data()
    {
        QTest::addColumn<QRect>("block");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("orientation"); // -1: fits neither way
        const int portrait = QPageLayout::Portrait;
        const int landscape = QPageLayout::Landscape;
        QTest::newRow("one pixel") << QRect(100, 100, 1, 1) << QRect(95, 95, 11, 11) << portrait;
        QTest::newRow("one pixel, top left") << QRect(0, 0, 1, 1) << QRect(0, 0, 6, 6) << portrait;
        QTest::newRow("one pixel, bottom right") << QRect(349, 454, 1, 1) << QRect(344, 449, 6, 6) << portrait;
        QTest::newRow("202 wide, 230 high") << QRect(20, 20, 192, 220) << QRect(15, 15, 202, 230) << portrait;
        QTest::newRow("203 wide, 230 high") << QRect(20, 20, 193, 220) << QRect(15, 15, 203, 230) << -1;
        QTest::newRow("110 wide, 255 high") << QRect(20, 20, 100, 245) << QRect(15, 15, 110, 255) << portrait;
        QTest::newRow("110 wide, 256 high") << QRect(20, 20, 100, 246) << QRect(15, 15, 110, 256) << -1;
        QTest::newRow("260 wide, 168 high") << QRect(20, 20, 250, 158) << QRect(15, 15, 260, 168) << landscape;
        QTest::newRow("260 wide, 169 high") << QRect(20, 20, 250, 159) << QRect(15, 15, 260, 169) << -1;
        QTest::newRow("289 wide, 100 high") << QRect(20, 20, 279, 90) << QRect(15, 15, 289, 100) << landscape;
        QTest::newRow("290 wide, 100 high") << QRect(20, 20, 280, 90) << QRect(15, 15, 290, 100) << -1;
    }

    void orientationPerFloor()
    {
        QFETCH(QRect, block);
        const ScalePage page{{}, {}, floorWith(block), 5, 50, {}};
        QTEST(ScalePageComposer::drawnBox(page.floor), "box");
        const auto orientation = ScalePageComposer::orientationFor(page, pdfPageLayout(QPageLayout::Portrait));
        QTEST(orientation ? int(*orientation) : -1, "orientation");
    }

    // Through the window or the command line, each page holds its floor at the
    // ratio, upright or across as that floor fits, with a bar of 1 m; only a
    // floor that fits neither way stops the printout, before anything is asked
    // or written.
    void printedToScale_data()
    {
        QTest::addColumn<QString>("via"); // "window", "--cm-per-pixel", or "" for the scale the window kept
        QTest::addColumn<int>("centimetres");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<bool>("allFloors"); // the command line prints every drawn floor
        QTest::addColumn<QList<QSize>>("blocks"); // a dark block on floors 1, 2, 3; none where empty
        QTest::addColumn<QList<bool>>("across"); // for each page
        QTest::addColumn<QString>("refusal");
        const QList<QSize> walls{{100, 2}, {}, {100, 2}};
        const QList<QSize> tallAndWide{{140, 220}, {250, 90}};
        const QList<QSize> tooLarge{{140, 220}, {250, 220}};
        const QString at50 = "Bij schaal 1:50 past de plattegrond niet op het papier; bij 1:100 past hij wel.";
        const QList<bool> upright{false};
        const QList<bool> eachTheirWay{false, true};
        QTest::newRow("window, shown floor, 1:100") << "window" << 5 << 100 << false << walls << upright << "";
        QTest::newRow("window, tall and wide floor") << "window" << 5 << 50 << true << tallAndWide << eachTheirWay << "";
        QTest::newRow("command line, 1:200") << "--cm-per-pixel" << 5 << 200 << true << walls << upright + upright << "";
        QTest::newRow("command line, scale kept by the window") << "" << 5 << 100 << true << walls.mid(0, 1) << upright << "";
        QTest::newRow("window, fits at a smaller ratio") << "window" << 5 << 50 << false << QList<QSize>{{330, 435}}
                                                         << QList<bool>() << at50;
        QTest::newRow("window, fits at none") << "window" << 50 << 100 << false << QList<QSize>{{330, 435}} << QList<bool>()
                                              << "Bij schaal 1:100 past de plattegrond niet op het papier, en bij geen van "
                                                 "de schalen 1:20, 1:50, 1:100 en 1:200.\nKies bij File > Print Setup groter papier.";
        QTest::newRow("window, one floor fits neither way") << "window" << 5 << 50 << true << tooLarge << QList<bool>() << at50;
        QTest::newRow("command line, one floor fits neither way") << "--cm-per-pixel" << 5 << 50 << true << tooLarge
                                                                  << QList<bool>() << at50;
    }

    void printedToScale()
    {
        QFETCH(QString, via);
        QFETCH(int, centimetres);
        QFETCH(int, ratio);
        QFETCH(QList<QSize>, blocks);
        QFETCH(QList<bool>, across);
        QFETCH(QString, refusal);
        PrintRig rig;
        for (int f = 1; f <= 3; ++f)
            rig.plan.floor(f).image = floorWith(QRect(QPoint(20, 20), blocks.value(f - 1)));
        const QString pdf = rig.path(QStringLiteral("plan.pdf"));
        if (via == QLatin1String("window")) {
            if (refusal.isEmpty())
                rig.offerPdf(QStringLiteral("plan.pdf"));
            PlanScale scale;
            scale.set(centimetres);
            QFETCH(bool, allFloors);
            const auto dialog = openDialog(rig, scale, ratio, allFloors);
            dialog->printClicked();
            QCOMPARE(dialog->result(), int(refusal.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY(dialog->messageLabel()->text().endsWith(refusal));
            QCOMPARE(rig.prompts.questions.isEmpty(), !refusal.isEmpty());
            QCOMPARE(rig.files(), refusal.isEmpty() ? QStringList{QStringLiteral("plan.pdf")} : QStringList());
        } else {
            const auto& floors = rig.plan;
            QVERIFY(composeFloors({floors.floor(1).image, floors.floor(2).image, floors.floor(3).image}, 3, 350)
                        .save(rig.path(QStringLiteral("huis.bmp")), "BMP"));
            QStringList arguments{"rimbano", "--export-pdf", rig.path(QStringLiteral("huis.bmp")), "--output", pdf,
                                  "--scale", QStringLiteral("1:%1").arg(ratio)};
            if (via.isEmpty())
                rig.writeFile(QStringLiteral("Rimbano-schaal.ini"), QByteArray::number(centimetres) + "\r\n");
            else
                arguments << via << QString::number(centimetres);
            QString err;
            QTextStream stream(&err);
            QCOMPARE(ExportCommand::run(arguments, rig.folder(), stream, stream), refusal.isEmpty() ? 0 : 8);
            stream.flush();
            QVERIFY2(err.contains(refusal), qPrintable(err));
        }

        // Pdftoppm (poppler-utils) renders the pages: a block of N pixels of 5 cm
        // is N * 5 cm on paper divided by the ratio. The bar is 1 m.
        QList<QSize> drawn = blocks;
        drawn.removeAll(QSize());
        const QList<QImage> pages = rasterise(pdf, Dpi);
        QCOMPARE(pages.size(), across.size());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QImage& page = pages[i];
            QCOMPARE(page.width() > page.height(), across[i]);
            const double block = longestDarkRun(page, 0, page.height() * 4 / 5);
            const double bar = longestDarkRun(page, page.height() * 9 / 10, page.height());
            QVERIFY2(qAbs(block - drawn[i].width() * centimetres * 10.0 / ratio) <= 0.3, qPrintable(QString::number(block)));
            QVERIFY2(qAbs(bar - 1000.0 / ratio) <= 0.3, qPrintable(QString::number(bar)));
        }
    }
};

QTEST_MAIN(TestScalePrint)
#include "tst_scaleprint.moc"
