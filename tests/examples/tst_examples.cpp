#include "Named.h"
#include "app/MainWindow.h"
#include "plan/Plan.h"
#include "printing/PageProbe.h"
#include "image/BmpFile.h"
#include "support/HostilePictures.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
QByteArray examplePicture(QRgb colour, QSize size = {350, 455})
{
    return encodedPicture(filled(size.width(), colour, size.height()), "JPG", 100);
}

QRgb previewColour(const MainWindow& window)
{
    return named<QLabel>(window, QStringLiteral("examplePreview"))->pixmap().toImage().pixel(10, 10);
}
} // namespace

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void listsJpgPicturesInNameOrder()
    {
        TestProgram program;
        program.writeFile("examples/zolder.jpg", examplePicture(qRgb(0, 0, 255)));
        program.writeFile("examples/Flat1.jpg", examplePicture(qRgb(255, 0, 0)));
        program.writeFile("examples/garage.jpg", examplePicture(qRgb(0, 160, 0)));
        program.writeFile("examples/broken.jpg", "not a picture");
        program.writeFile("examples/plan.bmp", encodeBmp24(QImage(350, 455, QImage::Format_RGB32)));
        program.writeFile("examples/photo.jpeg", examplePicture(qRgb(0, 0, 0)));
        MainWindow& window = program.start();
        QCOMPARE(named<QScrollBar>(window, QStringLiteral("exampleBar"))->maximum(), 3);
        QCOMPARE(named<QLabel>(window, QStringLiteral("exampleNameLabel"))->text(), QStringLiteral("broken"));
        QVERIFY(named<QLabel>(window, QStringLiteral("examplePreview"))->pixmap().isNull());

        const QList<std::pair<QString, QRgb>> expected{
            {"Flat1", qRgb(255, 0, 0)}, {"garage", qRgb(0, 160, 0)}, {"zolder", qRgb(0, 0, 255)}};
        for (int i = 0; i < expected.size(); ++i) {
            named<QScrollBar>(window, QStringLiteral("exampleBar"))->setValue(i + 1);
            QCOMPARE(named<QLabel>(window, QStringLiteral("exampleNameLabel"))->text(), expected[i].first);
            QVERIFY(PageProbe::near(previewColour(window), expected[i].second, 2));
        }
        // An unreadable example keeps the last preview; its name still shows.
        named<QScrollBar>(window, QStringLiteral("exampleBar"))->setValue(0);
        QCOMPARE(named<QLabel>(window, QStringLiteral("exampleNameLabel"))->text(), QStringLiteral("broken"));
        QVERIFY(PageProbe::near(previewColour(window), qRgb(0, 0, 255), 2));
    }

    void transportsToTheShownFloorOnly_data()
    {
        QTest::addColumn<int>("shownFloor");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("none"); // an empty examples folder
        QTest::newRow("floor 2, Yes") << 2 << 1 << true << true << "" << false;
        QTest::newRow("floor 3, small example, Yes") << 3 << 2 << true << true << "" << false;
        QTest::newRow("floor 1, No") << 1 << 1 << false << false << "" << false;
        QTest::newRow("unreadable example") << 2 << 0 << true << false << "Fout bij het laden van voorbeeld!" << false;
        QTest::newRow("no examples at all") << 1 << 1 << true << false << "Fout bij het laden van voorbeeld!" << true;
    }

    void transportsToTheShownFloorOnly()
    {
        QFETCH(int, shownFloor);
        QFETCH(int, position);
        QFETCH(bool, answer);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        QFETCH(bool, none);
        TestProgram program;
        const QList<QByteArray> files{QByteArray("\xFF\xD8\xFF\xE0 cut short", 14), examplePicture(qRgb(255, 0, 0)),
                                      examplePicture(qRgb(0, 0, 255), {100, 80})};
        for (int i = 0; !none && i < files.size(); ++i)
            program.writeFile(QStringLiteral("examples/%1-example.jpg").arg(QChar('a' + i)), files[i]);
        MainWindow& window = program.start();
        named<QPushButton>(window, QStringLiteral("showFloorButton"), shownFloor)->click();
        Plan& plan = window.plan();
        for (int k = 1; k <= 3; ++k)
            plan.floor(k).image.fill(qRgb(k, k, k));
        named<QScrollBar>(window, QStringLiteral("exampleBar"))->setValue(position);
        if (none)
            QCOMPARE(named<QLabel>(window, QStringLiteral("exampleNameLabel"))->text(), QStringLiteral("Geen voorbeelden..."));
        program.prompts.yesNoAnswers << answer;
        named<QPushButton>(window, QStringLiteral("takeOverExampleButton"))->click();

        QCOMPARE(program.prompts.questions, QStringList(" Transporteren|Wilt u dit voorbeeld transporteren?"));
        QCOMPARE(program.prompts.messages, message.isEmpty() ? QStringList() : QStringList(message));
        // Unscaled at the top left; the rest of the canvas turns white.
        for (int k = 1; k <= 3; ++k) {
            const bool here = k == shownFloor && taken;
            QImage expected(350, 455, QImage::Format_RGB32);
            expected.fill(here ? qRgb(255, 255, 255) : qRgb(k, k, k));
            if (here)
                QPainter(&expected).drawImage(0, 0, QImage::fromData(files[position]));
            QCOMPARE(largestChannelError(plan.floor(k).image, expected), 0);
        }
    }

    void shippedExampleLoads_data()
    {
        QTest::addColumn<QString>("path");
        const QDir shipped(qEnvironmentVariable("RIMBANO_SOURCE_DIR") + QStringLiteral("/assets/examples"));
        const QFileInfoList files = shipped.entryInfoList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QFileInfo& file : files)
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }

    void shippedExampleLoads()
    {
        QFETCH(QString, path);
        TestProgram program;
        QVERIFY(QFile::copy(path, program.path("examples/" + QFileInfo(path).fileName())));
        MainWindow& window = program.start();
        QCOMPARE(named<QLabel>(window, QStringLiteral("exampleNameLabel"))->text(), QFileInfo(path).completeBaseName());
        window.plan().floor(1).image.fill(qRgb(9, 9, 9));
        program.prompts.yesNoAnswers << true;
        named<QPushButton>(window, QStringLiteral("takeOverExampleButton"))->click();
        QCOMPARE(program.prompts.messages, QStringList());
        const QImage shipped = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage& floor = window.plan().floor(1).image;
        QCOMPARE(shipped.size(), QSize(350, 455));
        QCOMPARE(largestChannelError(floor, shipped), 0);
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
