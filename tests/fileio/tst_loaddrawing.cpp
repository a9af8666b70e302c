#include "fileio/LoadDrawing.h"
#include "image/BmpFile.h"
#include "plan/Plan.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QGuiApplication>
#include <QtTest>

namespace {
// What was on screen before the load: one distinct colour per floor.
QRgb mark(int floor)
{
    return qRgb(10 * floor, 20 * floor, 30 * floor);
}
} // namespace

class TestLoadDrawing : public QObject {
    Q_OBJECT
private slots:
    // A picture holds as many floors as it is canvas widths wide, at 350 and at
    // 470 pixels; any other width is refused with the width to set.
    void load_data()
    {
        QTest::addColumn<int>("canvas");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name"); // empty: the file dialog was cancelled
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("floorsLoaded");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("message"); // %1: the file
        const auto bmp = [](int width, int height) { return encodeBmp24(patterned(width, height)); };
        const QString fits = QStringLiteral(".Fout bij het laden... stel de breedte van het tekenveld in op %1 pixels, onder Extra / Configuratie...");
        const QString broken = QStringLiteral("Fout bij het laden van %1!");
        const QString one = QStringLiteral("Begane grond geladen.");
        const QString two = QStringLiteral("Begane grond en 1e verdieping geladen.");
        const QString three = QStringLiteral("Begane grond, 1e en 2e verdieping geladen.");
        QTest::newRow("350 at 350: ground floor") << 350 << bmp(350, 455) << "plan.bmp" << true << 1 << one << "";
        QTest::newRow("700 at 350: two floors") << 350 << bmp(700, 455) << "plan.bmp" << true << 2 << two << "";
        QTest::newRow("1050 at 350: three floors") << 350 << bmp(1050, 455) << "plan.bmp" << true << 3 << three << "";
        QTest::newRow("470 at 470: ground floor") << 470 << bmp(470, 455) << "plan.bmp" << true << 1 << one << "";
        QTest::newRow("940 at 470: two floors") << 470 << bmp(940, 455) << "plan.bmp" << true << 2 << two << "";
        QTest::newRow("1410 at 470: three floors") << 470 << bmp(1410, 455) << "plan.bmp" << true << 3 << three << "";
        QTest::newRow("351 at 350") << 350 << bmp(351, 455) << "plan.bmp" << true << 0 << fits.arg(351) << "";
        QTest::newRow("470 at 350, without sound") << 350 << bmp(470, 455) << "plan.bmp" << false << 0 << fits.arg(470) << "";
        QTest::newRow("1410 at 350") << 350 << bmp(1410, 455) << "plan.bmp" << true << 0 << fits.arg(470) << "";
        QTest::newRow("350 at 470") << 470 << bmp(350, 455) << "plan.bmp" << true << 0 << fits.arg(350) << "";
        QTest::newRow("471 at 470") << 470 << bmp(471, 455) << "plan.bmp" << true << 0 << fits.arg(236) << "";
        QTest::newRow("350 x 400") << 350 << bmp(350, 400) << "plan.bmp" << true << 0 << "" << "Geen geldig formaat!";
        QTest::newRow("corrupt") << 350 << QByteArray("BM") + QByteArray(300, '\x7f') << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("empty") << 350 << QByteArray() << "plan.bmp" << true << 0 << "" << broken;
        QTest::newRow("cancelled") << 350 << bmp(350, 455) << "" << true << 0 << "" << "";
    }

    void load()
    {
        QFETCH(int, canvas);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(bool, soundOn);
        QFETCH(int, floorsLoaded);
        QFETCH(QString, info);
        QFETCH(QString, message);
        TestProgram program;
        program.settings.soundOn = soundOn;
        Plan plan(canvas);
        plan.setCurrentFloor(2);
        for (int k = 1; k <= 3; ++k)
            plan.floor(k).image.fill(mark(k));
        const QImage undoSnapshot = plan.undoPicture();
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
            const QImage expected = filled(canvas, floorsLoaded == 0 ? mark(k) : qRgb(255, 255, 255));
            QCOMPARE(plan.floor(k).image, k <= floorsLoaded ? file.copy((k - 1) * canvas, 0, canvas, 455) : expected);
        }
        QCOMPARE(plan.undoPicture(), undoSnapshot);
        QCOMPARE(plan.currentFloor(), 2);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TestLoadDrawing)
#include "tst_loaddrawing.moc"
