#include "PageProbe.h"
#include "PrintRig.h"
#include "app/ExportCommand.h"
#include "plan/PlanScale.h"
#include "printing/ScalePrintDialog.h"

#include <QComboBox>
#include <QLabel>
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
