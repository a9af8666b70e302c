#include "drawing/ToolPanel.h"
#include "editing/IconPanel.h"
#include "floors/FloorPanel.h"

#include <QAbstractButton>
#include <QImage>
#include <QtTest>

// The button and window pictures are embedded in the program. A picture that
// is missing or of the wrong size shows as an empty or squeezed button, and
// embedded resources can silently drop out at link time, so this checks them
// as the program itself reads them.
class TestEmbeddedPictures : public QObject {
    Q_OBJECT
private slots:
    void picture_data();
    void picture();
    void buttonsCarryPictures_data();
    void buttonsCarryPictures();
};

void TestEmbeddedPictures::picture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int i = 1; i <= 20; ++i)
        QTest::newRow(qPrintable(QStringLiteral("tool %1").arg(i)))
            << QStringLiteral(":/buttons/tool_%1.png").arg(i, 2, 10, QLatin1Char('0')) << QSize(32, 32);
    for (int i = 1; i <= 3; ++i)
        QTest::newRow(qPrintable(QStringLiteral("clear %1").arg(i)))
            << QStringLiteral(":/buttons/clear_%1.png").arg(i) << QSize(35, 18);
    QTest::newRow("import") << ":/buttons/import.png" << QSize(17, 17);
    QTest::newRow("rotate") << ":/buttons/rotate.png" << QSize(20, 17);
    QTest::newRow("mirror") << ":/buttons/mirror.png" << QSize(20, 17);
    for (int i = 1; i <= 14; ++i)
        QTest::newRow(qPrintable(QStringLiteral("icon editor %1").arg(i)))
            << QStringLiteral(":/buttons/icon_%1.png").arg(i, 2, 10, QLatin1Char('0')) << QSize(20, 20);
    QTest::newRow("welcome") << ":/pictures/welcome.png" << QSize(100, 100);
    QTest::newRow("config") << ":/pictures/config.png" << QSize(97, 97);
    QTest::newRow("program icon") << ":/pictures/rimbano.png" << QSize(64, 64);
    QTest::newRow("magnifier at rest") << ":/library/099.png" << QSize(101, 101);
}

void TestEmbeddedPictures::picture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    // Something must be drawn: a picture that is all transparent shows nothing.
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) == 255;
    QVERIFY(drawn > image.width() * image.height() / 20);
}

void TestEmbeddedPictures::buttonsCarryPictures_data()
{
    QTest::addColumn<QString>("button");
    for (int i = 1; i <= 20; ++i)
        QTest::newRow(qPrintable(QStringLiteral("Knop%1").arg(i))) << QStringLiteral("Knop%1").arg(i);
    for (int i = 1; i <= 3; ++i)
        QTest::newRow(qPrintable(QStringLiteral("VNknop%1").arg(i))) << QStringLiteral("VNknop%1").arg(i);
    for (const char* name : {"ImportKnop", "RotateKnop", "MirrorKnop"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestEmbeddedPictures::buttonsCarryPictures()
{
    QFETCH(QString, button);
    QWidget window;
    new ToolPanel(&window);
    new FloorPanel(&window);
    new IconPanel(&window);
    const auto* found = window.findChild<QAbstractButton*>(button);
    QVERIFY(found);
    QVERIFY(!found->icon().isNull());
    QVERIFY(!found->icon().pixmap(found->iconSize()).isNull());
}

QTEST_MAIN(TestEmbeddedPictures)
#include "tst_embeddedpictures.moc"
