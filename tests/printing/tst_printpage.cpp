#include "PageProbe.h"
#include "PrintRig.h"
#include "printing/PageComposer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace PageProbe;

namespace {
// A dot on every floor, in canvas pixels.
const QPoint Dot(100, 200);

// A landscape A4 printable area at `dpi`, white, that knows its own resolution.
QImage blankPage(int dpi)
{
    QImage page(qRound(11.69 * dpi), qRound(8.27 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    return page;
}

// Each floor in its own colour with a black dot.
PageContents contents(int floorCount, int canvasWidth = 350)
{
    PageContents page;
    page.title = QStringLiteral("TITEL");
    page.floorCount = floorCount;
    for (int f = 1; f <= 3; ++f) {
        QImage& picture = page.floors[size_t(f - 1)] = QImage(canvasWidth, 455, QImage::Format_RGB32);
        picture.fill(FloorColour[f - 1]);
        picture.setPixel(Dot, qRgb(0, 0, 0));
    }
    page.printedAt = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    return page;
}

bool isDark(QRgb p) { return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100; }
// The title's red-purple, antialiased edges included; white and the date's greys have red no stronger.
bool isTitle(QRgb p) { return qRed(p) > qGreen(p); }
} // namespace

// The page as composed, and as it reaches the PDF file through the job.
class TestPrintPage : public QObject {
    Q_OBJECT
private slots:
    void textLines_data()
    {
        QTest::addColumn<bool>("date");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QPoint>("printableOrigin");
        QTest::newRow("title alone, 96 dpi") << false << 96 << QPoint(0, 0);
        QTest::newRow("title alone, 300 dpi") << false << 300 << QPoint(0, 0);
        QTest::newRow("title, printable area inset") << false << 144 << QPoint(37, 21);
        QTest::newRow("date, 96 dpi") << true << 96 << QPoint(0, 0);
        QTest::newRow("date, printable area inset") << true << 144 << QPoint(37, 21);
    }

    // Title in 16 points at 600,450 twips; date and time, when ticked, in bold 10 point at 600,10350.
    void textLines()
    {
        QFETCH(bool, date);
        QFETCH(int, dpi);
        QFETCH(QPoint, printableOrigin);
        QImage page = blankPage(dpi);
        PageContents text = contents(0);
        text.withDate = date;
        PageComposer::paint(page, QRect(printableOrigin, page.size()), text);

        QCOMPARE(boundingBox(page, isDark).isEmpty(), !date);
        QVERIFY(!boundingBox(page, [](QRgb p) { return near(p, qRgb(160, 20, 80), 2); }).isEmpty());
        const QRect ink = boundingBox(page, date ? isDark : isTitle);
        const double size = (date ? 10 : 16) * dpi / 72.0;
        const QPointF at(printableOrigin.x() + 600 * dpi / 1440.0, printableOrigin.y() + (date ? 10350 : 450) * dpi / 1440.0);
        // The position is the top of the text line: capitals start a little below it.
        QVERIFY2(ink.left() >= at.x() - 1 && ink.left() <= at.x() + 0.15 * size, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= at.y() + 0.1 * size && ink.top() <= at.y() + 0.3 * size, qPrintable(QString::number(ink.top())));
        // Capitals about 0.72 em high; the date line exactly as wide as its text.
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(10);
        font.setBold(true);
        const double wide = QFontMetricsF(font, &page).tightBoundingRect(QStringLiteral("05-03-2024 / 14:07")).width();
        QVERIFY2(date ? qAbs(ink.width() - wide) <= 2 : ink.height() >= 0.62 * size && ink.height() <= 0.8 * size,
                 qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    }

    void dateText()
    {
        // The system locale here is Dutch (set before the application starts).
        QCOMPARE(PageComposer::dateLine(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), QStringLiteral("05-03-2024 / 14:07"));
        QCOMPARE(PageComposer::dateLine(QDateTime(QDate(1999, 12, 31), QTime(0, 0))), QStringLiteral("31-12-1999 / 00:00"));
    }

    // The page's geometry, in twips from the printable area's corner.
    void floors_data()
    {
        QTest::addColumn<int>("floorCount");
        QTest::addColumn<int>("floor");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<int>("canvasWidth");
        QTest::addColumn<int>("dpi");
        QTest::newRow("1 floor") << 1 << 1 << QRect(300, 1200, 7200, 9120) << 350 << 96;
        QTest::newRow("2 floors, ground") << 2 << 1 << QRect(300, 1200, 7200, 9120) << 350 << 96;
        QTest::newRow("2 floors, first") << 2 << 2 << QRect(7800, 1200, 7200, 9120) << 350 << 96;
        QTest::newRow("3 floors, ground") << 3 << 1 << QRect(300, 1500, 5250, 6830) << 350 << 96;
        QTest::newRow("3 floors, first") << 3 << 2 << QRect(5550, 1500, 5250, 6830) << 350 << 96;
        QTest::newRow("3 floors, second") << 3 << 3 << QRect(10800, 1500, 5250, 6830) << 350 << 96;
        QTest::newRow("3 floors at 144 dpi") << 3 << 2 << QRect(5550, 1500, 5250, 6830) << 350 << 144;
        QTest::newRow("wide canvas squeezed") << 2 << 2 << QRect(7800, 1200, 7200, 9120) << 500 << 96;
    }

    void floors()
    {
        QFETCH(int, floorCount);
        QFETCH(int, floor);
        QFETCH(QRect, twips);
        QFETCH(int, canvasWidth);
        QFETCH(int, dpi);
        QImage page = blankPage(dpi);
        PageComposer::paint(page, page.rect(), contents(floorCount, canvasWidth));

        const double s = dpi / 1440.0;
        const QRectF target(twips.x() * s, twips.y() * s, twips.width() * s, twips.height() * s);
        const QRgb colour = FloorColour[floor - 1];
        const QRect painted = boundingBox(page, [colour](QRgb p) { return p == colour; });
        QVERIFY2(qAbs(painted.left() - target.left()) <= 1 && qAbs(painted.right() + 1 - target.right()) <= 1
                     && qAbs(painted.top() - target.top()) <= 1 && qAbs(painted.bottom() + 1 - target.bottom()) <= 1,
                 qPrintable(QStringLiteral("painted %1,%2 %3x%4").arg(painted.x()).arg(painted.y()).arg(painted.width()).arg(painted.height())));
        // The dot lands where stretching the whole canvas into the rectangle puts it.
        const QPointF dot(target.left() + (Dot.x() + 0.5) * target.width() / canvasWidth,
                          target.top() + (Dot.y() + 0.5) * target.height() / 455);
        QCOMPARE(page.pixel(qFloor(dot.x()), qFloor(dot.y())), qRgb(0, 0, 0));
        const QRect dots = boundingBox(page.copy(target.toAlignedRect()), [](QRgb p) { return p == qRgb(0, 0, 0); });
        QVERIFY(dots.width() <= qCeil(target.width() / canvasWidth) + 1 && dots.height() <= qCeil(target.height() / 455) + 1);
        // Plan above the count stay off the page.
        for (int other = floorCount + 1; other <= 3; ++other) {
            const QRgb unused = FloorColour[other - 1];
            QVERIFY(boundingBox(page, [unused](QRgb p) { return p == unused; }).isEmpty());
        }
    }

    // The job goes to the PDF file the user names, with its copies; where the
    // page lands in it the printing session checks pixel by pixel.
    void pdfFile()
    {
        PrintRig rig;
        const QString pdf = rig.offerPdf(QStringLiteral("plan.pdf"));
        QVERIFY(rig.print(2, QStringLiteral("3")));
        QCOMPARE(rig.prompts.fileFilters, QStringList{QStringLiteral("PDF-bestand (*.pdf)")});
        QVERIFY(rig.prompts.messages.isEmpty());
        QCOMPARE(rig.commands.printer().copyCount(), 3);
        // Nothing but the named file is left in the folder, readable like any file made there.
        QCOMPARE(rig.files(), QStringList{QStringLiteral("plan.pdf")});
        QFile ordinary(rig.path(QStringLiteral("ordinary")));
        QVERIFY(ordinary.open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(pdf).permissions(), ordinary.permissions());
        QVERIFY(rig.readFile(QStringLiteral("plan.pdf")).startsWith("%PDF-"));
    }

    void copiesText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies");
        QTest::newRow("one") << "1" << 1;
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

    void copiesText()
    {
        QFETCH(QString, text);
        QFETCH(int, copies);
        QCOMPARE(copiesFromText(text).value_or(0), copies);
    }

    // The folder always holds an old plan.pdf; `written` is the PDF file made, if any.
    void pdfOfferAnswers_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("written");
        QTest::newRow("declined") << QList<bool>{false} << "" << "";
        QTest::newRow("file question cancelled") << QList<bool>{true} << "" << "";
        QTest::newRow("name without suffix") << QList<bool>{true} << "huis" << "huis.pdf";
        QTest::newRow("suffix in capitals") << QList<bool>{true} << "PLAN.PDF" << "PLAN.PDF";
        QTest::newRow("suffix added, old file kept") << QList<bool>{true, false} << "plan" << "";
        QTest::newRow("suffix added, old file replaced") << QList<bool>{true, true} << "plan" << "plan.pdf";
    }

    void pdfOfferAnswers()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(QString, typedName);
        QFETCH(QString, written);
        PrintRig rig;
        rig.writeFile(QStringLiteral("plan.pdf"), "old");
        rig.prompts.yesNoAnswers << answers;
        if (answers.first())
            rig.prompts.saveAnswers << (typedName.isEmpty() ? QString() : rig.path(typedName));

        QCOMPARE(rig.print(1), !written.isEmpty());
        QStringList questions{QStringLiteral(" Printen|Er is geen printer geïnstalleerd.\nWilt u de pagina als PDF-bestand opslaan?")};
        if (answers.size() == 2)
            questions << QStringLiteral(" Printen|Het bestand %1 bestaat al.\nWilt u het vervangen?")
                             .arg(QDir::toNativeSeparators(rig.path(QStringLiteral("plan.pdf"))));
        QCOMPARE(rig.prompts.questions, questions);
        QCOMPARE(rig.prompts.fileFilters.size(), answers.first() ? 1 : 0);
        // The user's own choice needs no message.
        QVERIFY(rig.prompts.messages.isEmpty());
        const QStringList found = rig.files();
        QCOMPARE(QSet<QString>(found.begin(), found.end()),
                 QSet<QString>({QStringLiteral("plan.pdf"), written}) - QSet<QString>{QString()});
        QVERIFY(written.isEmpty() || rig.readFile(written).startsWith("%PDF-"));
        QCOMPARE(rig.readFile(QStringLiteral("plan.pdf")) == "old", written != QStringLiteral("plan.pdf"));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("claimPrinter");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << false << "Het PDF-bestand %1 kan niet worden geschreven.";
        // Claims a printer where there is none, so the job fails on its way out.
        QTest::newRow("printer fails") << true << "Het afdrukken is mislukt; er is niets afgedrukt.";
    }

    void failures()
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
        QVERIFY(!QGuiApplication::overrideCursor() || QGuiApplication::overrideCursor()->shape() == Qt::ArrowCursor);
    }

    void setupUsedLater()
    {
        QVERIFY2(rasteriserInstalled(), "pdftoppm (poppler-utils) is needed to read the printed page");
        PrintRig rig;
        rig.system->choose = [](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageOrientation(QPageLayout::Portrait);
        };
        rig.commands.printerSetup();
        QCOMPARE(rig.system->setups, 1);
        const QString pdf = rig.offerPdf(QStringLiteral("a5.pdf"));
        QVERIFY(rig.print(1));
        // A5 from the set-up, turned to landscape by the job: 210 x 148 mm at 72 dpi.
        const QList<QImage> pages = rasterise(pdf, 72);
        QCOMPARE(pages.size(), 1);
        QVERIFY(qAbs(pages.first().width() - 595) <= 1 && qAbs(pages.first().height() - 420) <= 1);
    }
};

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "nl_NL.UTF-8");
    QApplication app(argc, argv);
    TestPrintPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printpage.moc"
