#include "PageProbe.h"
#include "PrintRig.h"
#include "printing/PrintCommands.h"
#include "printing/PrintJob.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace PageProbe;

class TestPrintJob : public QObject {
    Q_OBJECT
private slots:
    void init() { clearApplicationPointer(); }
    void copiesText_data();
    void copiesText();
    void pdfPage_data();
    void pdfPage();
    void pdfOfferAnswers_data();
    void pdfOfferAnswers();
    void existingFileWithoutSuffix_data();
    void existingFileWithoutSuffix();
    void failures_data();
    void failures();
    void pointerStaysArrow();
    void setupUsedLater();
};

void TestPrintJob::copiesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("copies");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("fifty") << "50" << 50;
    QTest::newRow("largest") << "999" << 999;
    QTest::newRow("blanks round it") << " 7 " << 7;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("too many") << "1000" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("letters") << "drie" << 0;
    QTest::newRow("fraction") << "2.5" << 0;
    QTest::newRow("beyond 16 bits") << "70000" << 0;
}

void TestPrintJob::copiesText()
{
    QFETCH(QString, text);
    QFETCH(int, copies);
    QCOMPARE(copiesFromText(text).value_or(0), copies);
}

void TestPrintJob::pdfPage_data()
{
    QTest::addColumn<int>("floorCount");
    QTest::addColumn<QString>("copies");
    QTest::newRow("1 floor") << 1 << "1";
    QTest::newRow("2 floors") << 2 << "1";
    QTest::newRow("3 floors, 3 copies") << 3 << "3";
}

void TestPrintJob::pdfPage()
{
    QFETCH(int, floorCount);
    QFETCH(QString, copies);
    QVERIFY2(rasteriserInstalled(), "pdftoppm (poppler-utils) is needed to read the printed page");
    PrintRig rig;
    const QString pdf = rig.offerPdf(QStringLiteral("plan.pdf"));
    QVERIFY(rig.print(floorCount, copies));
    QCOMPARE(rig.prompts.fileFilters, QStringList{QStringLiteral("PDF-bestand (*.pdf)")});
    QVERIFY(rig.prompts.messages.isEmpty());
    QCOMPARE(rig.commands.printer().copyCount(), copies.toInt());
    // Nothing but the named file is left in the folder, readable like any file made there.
    QCOMPARE(rig.files(), QStringList{QStringLiteral("plan.pdf")});
    QFile ordinary(rig.dir.filePath(QStringLiteral("ordinary")));
    QVERIFY(ordinary.open(QIODevice::WriteOnly));
    QCOMPARE(QFileInfo(pdf).permissions(), ordinary.permissions());
    ordinary.remove();

    const QList<QImage> pages = rasterise(pdf, 96);
    QCOMPARE(pages.size(), 1);
    const QImage& page = pages.first();
    QVERIFY(page.width() > page.height());

    // At 96 dpi one pixel is 15 twips, counted from the printable area.
    const QPointF origin = rig.commands.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft() * 96;
    const auto at = [&](double x, double y) { return page.pixel(qRound(origin.x() + x / 15), qRound(origin.y() + y / 15)); };
    const QRect small[3] = {{300, 1500, 5250, 6830}, {5550, 1500, 5250, 6830}, {10800, 1500, 5250, 6830}};
    const QRect large[2] = {{300, 1200, 7200, 9120}, {7800, 1200, 7200, 9120}};
    for (int f = 1; f <= floorCount; ++f) {
        const QRect r = floorCount == 3 ? small[f - 1] : large[f - 1];
        const QRgb colour = FloorColour[f - 1];
        const int inset = 45;
        // Exact colours: the plans go into the file without lossy compression.
        QCOMPARE(at(r.left() + inset, r.top() + inset), colour);
        QCOMPARE(at(r.right() - inset, r.top() + inset), colour);
        QCOMPARE(at(r.left() + inset, r.bottom() - inset), colour);
        QCOMPARE(at(r.right() - inset, r.bottom() - inset), colour);
        QCOMPARE(at(r.center().x(), r.top() - inset), qRgb(255, 255, 255));
        QCOMPARE(at(r.center().x(), r.bottom() + inset), qRgb(255, 255, 255));
    }
    // Large floors keep a white gap; beyond the last floor the page stays white.
    if (floorCount < 3)
        QVERIFY(near(at(7650, 5000), qRgb(255, 255, 255), 12));
    if (floorCount == 1)
        QVERIFY(near(at(11000, 5000), qRgb(255, 255, 255), 12));
    for (int unused = floorCount + 1; unused <= 3; ++unused) {
        const QRgb colour = FloorColour[unused - 1];
        QCOMPARE(count(page, [colour](QRgb p) { return near(p, colour, 30); }), 0);
    }
}

void TestPrintJob::pdfOfferAnswers_data()
{
    QTest::addColumn<bool>("takesPdf");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("written");
    QTest::newRow("declined") << false << "" << "";
    QTest::newRow("file question cancelled") << true << "" << "";
    QTest::newRow("name without suffix") << true << "plan" << "plan.pdf";
    QTest::newRow("suffix in capitals") << true << "PLAN.PDF" << "PLAN.PDF";
}

void TestPrintJob::pdfOfferAnswers()
{
    QFETCH(bool, takesPdf);
    QFETCH(QString, typedName);
    QFETCH(QString, written);
    PrintRig rig;
    rig.prompts.yesNoAnswers << takesPdf;
    if (takesPdf)
        rig.prompts.saveAnswers << (typedName.isEmpty() ? QString() : rig.dir.filePath(typedName));

    QCOMPARE(rig.print(1), !written.isEmpty());
    QCOMPARE(rig.prompts.questions,
             QStringList{QStringLiteral(" Printen|Er is geen printer geïnstalleerd.\nWilt u de pagina als PDF-bestand opslaan?")});
    QCOMPARE(rig.prompts.fileFilters.size(), takesPdf ? 1 : 0);
    // The user's own choice needs no message.
    QVERIFY(rig.prompts.messages.isEmpty());
    QCOMPARE(rig.files(), written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty()) {
        QFile pdf(rig.dir.filePath(written));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }
}

void TestPrintJob::existingFileWithoutSuffix_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("keep the old file") << false;
    QTest::newRow("replace it") << true;
}

void TestPrintJob::existingFileWithoutSuffix()
{
    QFETCH(bool, replace);
    PrintRig rig;
    QFile old(rig.dir.filePath(QStringLiteral("plan.pdf")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    rig.offerPdf(QStringLiteral("plan"));
    rig.prompts.yesNoAnswers << replace;

    QCOMPARE(rig.print(2), replace);
    QCOMPARE(rig.prompts.questions.size(), 2);
    QVERIFY(rig.prompts.questions.last().startsWith(QStringLiteral(" Printen|Het bestand ")));
    QVERIFY(rig.prompts.questions.last().endsWith(QStringLiteral("plan.pdf bestaat al.\nWilt u het vervangen?")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.read(5), replace ? QByteArray("%PDF-") : QByteArray("old"));
    QCOMPARE(rig.files(), QStringList{QStringLiteral("plan.pdf")});
}

void TestPrintJob::failures_data()
{
    QTest::addColumn<bool>("claimPrinter");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder missing") << false << "Het PDF-bestand %1 kan niet worden geschreven.";
    // Claims a printer where there is none, so the job fails on its way out.
    QTest::newRow("printer fails") << true << "Het afdrukken is mislukt; er is niets afgedrukt.";
}

void TestPrintJob::failures()
{
    QFETCH(bool, claimPrinter);
    QFETCH(QString, message);
    // A machine with a real printer would print a sheet here.
    if (claimPrinter && !QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a real printer");
    PrintRig rig;
    rig.system->installed = claimPrinter;
    const QString pdf = claimPrinter ? QString() : rig.offerPdf(QStringLiteral("missing/plan.pdf"));
    QVERIFY(!rig.print(1));
    QCOMPARE(rig.prompts.messages, QStringList{message.arg(QDir::toNativeSeparators(pdf))});
    QVERIFY(rig.prompts.allAnswersUsed());
    QVERIFY(rig.files().isEmpty());
    // The job is over: no hourglass is left behind.
    if (QGuiApplication::overrideCursor())
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
}

void TestPrintJob::pointerStaysArrow()
{
    PrintRig rig;
    Qt::CursorShape during = Qt::BlankCursor;
    for (int job = 1; job <= 2; ++job) {
        rig.offerPdf(QStringLiteral("plan%1.pdf").arg(job));
        QVERIFY(rig.commands.job().print({1, QStringLiteral("1"), QString(), false}, rig.images(),
                                         [&] { during = QGuiApplication::overrideCursor()->shape(); }));
        QCOMPARE(during, Qt::WaitCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    }
    // One override for the whole program, not one more per job.
    QGuiApplication::restoreOverrideCursor();
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPrintJob::setupUsedLater()
{
    QVERIFY2(rasteriserInstalled(), "pdftoppm (poppler-utils) is needed to read the printed page");
    PrintRig rig;
    rig.system->choose = [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setPageOrientation(QPageLayout::Portrait);
    };
    rig.commands.FileSetupPrinter();
    QCOMPARE(rig.system->setups, 1);
    const QString pdf = rig.offerPdf(QStringLiteral("a5.pdf"));
    QVERIFY(rig.print(1));
    // A5 from the set-up, turned to landscape by the job: 210 x 148 mm at 72 dpi.
    const QList<QImage> pages = rasterise(pdf, 72);
    QCOMPARE(pages.size(), 1);
    QVERIFY(qAbs(pages.first().width() - 595) <= 1);
    QVERIFY(qAbs(pages.first().height() - 420) <= 1);
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
