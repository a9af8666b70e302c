#include "app/MainWindow.h"
#include "fileio/LoadDrawing.h"
#include "floors/FloorSwitcher.h"
#include "plan/Plan.h"
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
QRgb mark(int floor)
{
    return qRgb(10 * floor, 20 * floor, 30 * floor);
}
} // namespace

class TestLoadDrawing : public QObject {
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name"); // empty: the file dialog was cancelled
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("floorsLoaded");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message"); // %1: the file
        const auto bmp = [](int width, int height) { return encodeBmp24(picture(width, height)); };
        const QString fits = QStringLiteral(".Fout bij het laden... stel de breedte van het tekenveld in op %1 pixels, onder Extra / Configuratie...");
        const QString broken = QStringLiteral("Fout bij het laden van %1!");
        QByteArray enormous = bmp(700, 455);
        qToLittleEndian<quint32>(100000, enormous.data() + 18);
        qToLittleEndian<quint32>(100000, enormous.data() + 22);
        QTest::newRow("350: ground floor") << bmp(350, 455) << "plan.bmp" << true << 1 << "Begane grond geladen." << "";
        QTest::newRow("700: two floors") << bmp(700, 455) << "plan.bmp" << true << 2 << "Begane grond en 1e verdieping geladen." << "";
        QTest::newRow("1050: three floors") << bmp(1050, 455) << "plan.bmp" << true << 3 << "Begane grond, 1e en 2e verdieping geladen." << "";
        QTest::newRow("500 suggests 250") << bmp(500, 455) << "plan.bmp" << true << 0 << fits.arg(250) << "";
        QTest::newRow("1200 suggests 400") << bmp(1200, 455) << "plan.bmp" << true << 0 << fits.arg(400) << "";
        QTest::newRow("400 suggests 400, without sound") << bmp(400, 455) << "plan.bmp" << false << 0 << fits.arg(400) << "";
        QTest::newRow("350 x 400") << bmp(350, 400) << "plan.bmp" << true << 0 << "" << "Geen geldig formaat!";
        QTest::newRow("truncated") << bmp(700, 455).left(bmp(700, 455).size() / 2) << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("corrupt") << QByteArray("BM") + QByteArray(300, '\x7f') << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("claims 100000 x 100000") << enormous << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("empty") << QByteArray() << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("cancelled") << bmp(350, 455) << "" << true << 0 << "" << "";
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(bool, soundOn);
        QFETCH(int, floorsLoaded);
        QFETCH(QString, info);
        QFETCH(QString, message);
        TestProgram program;
        MainWindow& window = program.start();
        program.settings.soundOn = soundOn;
        window.floorSwitcher().chooseFloor(2);
        Plan& plan = window.plan();
        for (int k = 1; k <= 3; ++k)
            plan.floor(k).image.fill(mark(k));
        program.writeFile("plan.bmp", bytes);

        int repaints = 0;
        LoadDrawing load(program.context, plan, [&] { ++repaints; });
        program.prompts.openAnswers << (name.isEmpty() ? QString() : program.path(name));
        load.load();

        QCOMPARE(program.prompts.fileFilters, QStringList("Dorvelin (*.Jpg, *.Bmp) (*.jpg *bmp)"));
        QCOMPARE(program.info.shown, info.isEmpty() ? QStringList() : QStringList(info));
        QCOMPARE(program.prompts.messages,
                 message.isEmpty() ? QStringList() : QStringList(message.replace("%1", QDir::toNativeSeparators(program.path(name)))));
        // A drawing of the wrong width says so with a sound as well.
        const bool mismatch = floorsLoaded == 0 && !info.isEmpty();
        QCOMPARE(program.sound.played, mismatch && soundOn ? QStringList(program.path("sounds/fout.wav")) : QStringList());
        QCOMPARE(repaints, floorsLoaded > 0 ? 1 : 0);
        const QImage file = floorsLoaded > 0 ? QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32) : QImage();
        for (int k = 1; k <= 3; ++k) {
            QImage expected(350, 455, QImage::Format_RGB32);
            expected.fill(floorsLoaded == 0 ? mark(k) : qRgb(255, 255, 255));
            QCOMPARE(plan.floor(k).image, k <= floorsLoaded ? file.copy((k - 1) * 350, 0, 350, 455) : expected);
        }
        QCOMPARE(plan.history().canUndo(), floorsLoaded > 0);
        QCOMPARE(plan.currentFloor(), 2);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TestLoadDrawing)
#include "tst_loaddrawing.moc"
