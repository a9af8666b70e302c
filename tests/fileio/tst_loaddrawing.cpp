#include "app/MainWindow.h"
#include "fileio/LoadDrawing.h"
#include "floors/FloorSwitcher.h"
#include "floors/Floors.h"
#include "image/BmpFile.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QGuiApplication>
#include <QtTest>

namespace {
QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 60));
    }
    return image;
}

// What was on screen before the load: one distinct colour per floor.
void markFloors(Floors& floors)
{
    floors.floor(1).image.fill(qRgb(10, 20, 30));
    floors.floor(2).image.fill(qRgb(40, 50, 60));
    floors.floor(3).image.fill(qRgb(70, 80, 90));
}

bool floorsAsMarked(Floors& floors)
{
    return floors.floor(1).image.pixel(5, 5) == qRgb(10, 20, 30) && floors.floor(2).image.pixel(5, 5) == qRgb(40, 50, 60)
           && floors.floor(3).image.pixel(5, 5) == qRgb(70, 80, 90);
}

QImage white(int width)
{
    QImage image(width, 455, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

class TestLoadDrawing : public QObject {
    Q_OBJECT
private slots:
    void loadsBySize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("floorsLoaded");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message");
        const QString fits = QStringLiteral(".Fout bij het laden... stel de breedte van het tekenveld in op %1 pixels, onder Extra / Configuratie...");
        QTest::newRow("350: ground floor") << 350 << 455 << true << 1 << "Begane grond geladen." << "";
        QTest::newRow("700: two floors") << 700 << 455 << true << 2 << "Begane grond en 1e verdieping geladen." << "";
        QTest::newRow("1050: three floors") << 1050 << 455 << true << 3 << "Begane grond, 1e en 2e verdieping geladen." << "";
        QTest::newRow("500 suggests 250") << 500 << 455 << true << 0 << fits.arg(250) << "";
        QTest::newRow("1200 suggests 400") << 1200 << 455 << true << 0 << fits.arg(400) << "";
        QTest::newRow("400 suggests 400") << 400 << 455 << true << 0 << fits.arg(400) << "";
        QTest::newRow("400 without sound") << 400 << 455 << false << 0 << fits.arg(400) << "";
        QTest::newRow("350 x 400") << 350 << 400 << true << 0 << "" << "Geen geldig formaat!";
    }

    void loadsBySize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, soundOn);
        QFETCH(int, floorsLoaded);
        QFETCH(QString, info);
        QFETCH(QString, message);
        TestProgram program;
        MainWindow& window = program.start();
        program.state.SoundOn = soundOn;
        window.floorSwitcher().chooseFloor(2);
        Floors& floors = window.floors();
        markFloors(floors);
        const QImage undoSnapshot = floors.PicTotaal;
        const QImage file = picture(width, height);
        QVERIFY(writeBmp24(file, program.path("plan.bmp")));

        int repaints = 0;
        LoadDrawing load(program.context, floors, [&] { ++repaints; });
        program.prompts.openAnswers << program.path("plan.bmp");
        load.FileLoad();

        QCOMPARE(program.prompts.fileFilters, QStringList("Dorvelin (*.Jpg, *.Bmp) (*.jpg *bmp)"));
        QCOMPARE(program.state.OpenFileName, program.path("plan.bmp"));
        QCOMPARE(program.info.shown, info.isEmpty() ? QStringList() : QStringList(info));
        QCOMPARE(program.prompts.messages, message.isEmpty() ? QStringList() : QStringList(message));
        const bool mismatch = floorsLoaded == 0 && message.isEmpty();
        QCOMPARE(program.sound.played, mismatch && soundOn ? QStringList(program.path("sounds/fout.wav")) : QStringList());
        QCOMPARE(repaints, floorsLoaded > 0 ? 1 : 0);
        if (floorsLoaded == 0) {
            QVERIFY(floorsAsMarked(floors));
        } else {
            QCOMPARE(program.state.PictureWidth, width * 15);
            for (int k = 1; k <= 3; ++k)
                QCOMPARE(floors.floor(k).image, k <= floorsLoaded ? file.copy((k - 1) * 350, 0, 350, 455) : white(350));
        }
        QCOMPARE(floors.PicTotaal, undoSnapshot);
        QCOMPARE(program.state.CurrentFloor, quint8(2));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray bmp = encodeBmp24(picture(700, 455));
        QByteArray enormous = bmp;
        qToLittleEndian<quint32>(100000, enormous.data() + 18);
        qToLittleEndian<quint32>(100000, enormous.data() + 22);
        QTest::newRow("truncated") << bmp.left(bmp.size() / 2);
        QTest::newRow("corrupt") << QByteArray("BM") + QByteArray(300, '\x7f');
        QTest::newRow("claims 100000 x 100000") << enormous;
        QTest::newRow("empty") << QByteArray();
    }

    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        TestProgram program;
        MainWindow& window = program.start();
        markFloors(window.floors());
        program.writeFile("plan.bmp", bytes);
        program.prompts.openAnswers << program.path("plan.bmp");
        window.menus().FileLoad->trigger();
        QCOMPARE(program.prompts.messages,
                 QStringList("Fout bij het laden van " + QDir::toNativeSeparators(program.path("plan.bmp")) + "!"));
        QVERIFY(floorsAsMarked(window.floors()));
        QCOMPARE(program.sound.played, QStringList());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void cancelChangesNothing()
    {
        TestProgram program;
        MainWindow& window = program.start();
        markFloors(window.floors());
        window.menus().FileLoad->trigger();
        QCOMPARE(program.prompts.fileFilters.size(), 1);
        QVERIFY(floorsAsMarked(window.floors()));
        QCOMPARE(program.prompts.messages, QStringList());
    }
};

QTEST_MAIN(TestLoadDrawing)
#include "tst_loaddrawing.moc"
