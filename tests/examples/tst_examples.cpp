#include "app/MainWindow.h"
#include "examples/ExamplesPanel.h"
#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"
#include "image/BmpFile.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
QByteArray examplePicture(QRgb colour, QSize size = {350, 455})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 100);
    return bytes;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 && qAbs(qBlue(a) - qBlue(b)) <= 2;
}

QRgb previewColour(const ExamplesPanel& panel)
{
    return panel.Tumble()->pixmap().toImage().pixel(10, 10);
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
        program.writeFile("examples/notes.txt", "x");
        program.writeFile("examples/photo.jpeg", examplePicture(qRgb(0, 0, 0)));
        MainWindow& window = program.start();
        ExamplesPanel& panel = *window.examplesPanel();

        QCOMPARE(panel.examples().count(), 4);
        QCOMPARE(panel.TumbleScroll()->minimum(), 0);
        QCOMPARE(panel.TumbleScroll()->maximum(), 3);
        QCOMPARE(panel.Label3()->text(), QStringLiteral("broken"));
        QVERIFY(panel.Tumble()->pixmap().isNull());

        const QList<std::pair<QString, QRgb>> expected{
            {"Flat1", qRgb(255, 0, 0)}, {"garage", qRgb(0, 160, 0)}, {"zolder", qRgb(0, 0, 255)}};
        for (int i = 0; i < expected.size(); ++i) {
            panel.TumbleScroll()->setValue(i + 1);
            QCOMPARE(panel.Label3()->text(), expected[i].first);
            QVERIFY(near(previewColour(panel), expected[i].second));
        }
        // An unreadable example keeps the last preview; its name still shows.
        panel.TumbleScroll()->setValue(0);
        QCOMPARE(panel.Label3()->text(), QStringLiteral("broken"));
        QVERIFY(near(previewColour(panel), qRgb(0, 0, 255)));
    }

    void emptyFolder()
    {
        TestProgram program;
        MainWindow& window = program.start();
        ExamplesPanel& panel = *window.examplesPanel();
        QCOMPARE(panel.TumbleScroll()->maximum(), 1);
        QCOMPARE(panel.Label3()->text(), QStringLiteral("Geen voorbeelden..."));
        panel.TumbleScroll()->setValue(1);
        QCOMPARE(panel.Label3()->text(), QStringLiteral("Geen voorbeelden..."));
        window.floors().floor(1).image.fill(qRgb(9, 9, 9));
        program.prompts.yesNoAnswers << true;
        panel.Transportknop()->click();
        QCOMPARE(program.prompts.messages, QStringList("Fout bij het laden van voorbeeld!"));
        QCOMPARE(window.floors().floor(1).image.pixel(0, 0), qRgb(9, 9, 9));
    }

    void transportsToTheShownFloorOnly_data()
    {
        QTest::addColumn<int>("shownFloor");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("message");
        QTest::newRow("floor 2, Yes") << 2 << 1 << true << true << "";
        QTest::newRow("floor 3, small example, Yes") << 3 << 2 << true << true << "";
        QTest::newRow("floor 1, No") << 1 << 1 << false << false << "";
        QTest::newRow("unreadable example") << 2 << 0 << true << false << "Fout bij het laden van voorbeeld!";
    }

    void transportsToTheShownFloorOnly()
    {
        QFETCH(int, shownFloor);
        QFETCH(int, position);
        QFETCH(bool, answer);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        TestProgram program;
        program.writeFile("examples/a-broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 cut short", 14));
        program.writeFile("examples/b-flat.jpg", examplePicture(qRgb(255, 0, 0)));
        program.writeFile("examples/c-small.jpg", examplePicture(qRgb(0, 0, 255), {100, 80}));
        MainWindow& window = program.start();
        window.floorSwitcher().chooseFloor(shownFloor);
        Floors& floors = window.floors();
        for (int k = 1; k <= 3; ++k)
            floors.floor(k).image.fill(qRgb(k, k, k));
        window.examplesPanel()->TumbleScroll()->setValue(position);
        program.prompts.yesNoAnswers << answer;
        window.examplesPanel()->Transportknop()->click();

        QCOMPARE(program.prompts.questions, QStringList(" Transporteren|Wilt u dit voorbeeld transporteren?"));
        QCOMPARE(program.prompts.messages, message.isEmpty() ? QStringList() : QStringList(message));
        for (int k = 1; k <= 3; ++k) {
            const QImage& image = floors.floor(k).image;
            if (k != shownFloor || !taken) {
                QCOMPARE(image.pixel(0, 0), qRgb(k, k, k));
                QCOMPARE(image.pixel(349, 454), qRgb(k, k, k));
            } else if (position == 1) {
                QVERIFY(near(image.pixel(0, 0), qRgb(255, 0, 0)));
                QVERIFY(near(image.pixel(349, 454), qRgb(255, 0, 0)));
            } else {
                // Unscaled at the top left; the rest of the canvas turns white.
                QVERIFY(near(image.pixel(99, 79), qRgb(0, 0, 255)));
                QCOMPARE(image.pixel(100, 79), qRgb(255, 255, 255));
                QCOMPARE(image.pixel(99, 80), qRgb(255, 255, 255));
            }
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
        QCOMPARE(window.examplesPanel()->Label3()->text(), QFileInfo(path).completeBaseName());
        window.floors().floor(1).image.fill(qRgb(9, 9, 9));
        program.prompts.yesNoAnswers << true;
        window.examplesPanel()->Transportknop()->click();
        QCOMPARE(program.prompts.messages, QStringList());
        const QImage shipped = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage& floor = window.floors().floor(1).image;
        QCOMPARE(floor.size(), QSize(350, 455));
        QCOMPARE(shipped.size(), floor.size());
        QCOMPARE(largestChannelError(floor, shipped), 0);
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
