#include "image/BmpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestBmpFile : public QObject {
    Q_OBJECT
private slots:
    void writesHeadersAndRowsBottomUp();
    void readsBackPixelForPixel_data();
    void readsBackPixelForPixel();
    void replacesAWholeFileOrNone_data();
    void replacesAWholeFileOrNone();
};

void TestBmpFile::writesHeadersAndRowsBottomUp()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(2, 0, qRgb(7, 8, 9));
    image.setPixel(0, 1, qRgb(10, 11, 12));
    image.setPixel(1, 1, qRgb(13, 14, 15));
    image.setPixel(2, 1, qRgb(16, 17, 18));
    const QByteArray b = encodeBmp24(image);
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    QCOMPARE(b.size(), 54 + 2 * 12);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32(2), 78u);
    QCOMPARE(u32(10), 54u);
    QCOMPARE(u32(14), 40u);
    QCOMPARE(u32(18), 3u);
    QCOMPARE(u32(22), 2u);
    QCOMPARE(u16(26), 1);
    QCOMPARE(u16(28), 24);
    QCOMPARE(u32(30), 0u);
    QCOMPARE(u32(34), 24u);
    // The bottom row first, blue-green-red, padded to 12 bytes with zeros.
    QCOMPARE(b.mid(54), QByteArray::fromHex("0c0b0a 0f0e0d 121110 000000 030201 060504 090807 000000"));
}

void TestBmpFile::readsBackPixelForPixel_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("one pixel") << QSize(1, 1);
    QTest::newRow("one floor") << QSize(350, 455);
    QTest::newRow("three floors at 470") << QSize(1410, 455);
}

void TestBmpFile::readsBackPixelForPixel()
{
    QFETCH(QSize, size);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
    }
    QTemporaryDir dir;
    QString error;
    QVERIFY(writeBmp24(image, dir.filePath("plan.bmp"), &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(QImage(dir.filePath("plan.bmp")).convertToFormat(QImage::Format_RGB32), image);
}

void TestBmpFile::replacesAWholeFileOrNone_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("existing file replaced") << "old.bmp" << true;
    QTest::newRow("missing folder") << "nowhere/plan.bmp" << false;
    QTest::newRow("a folder in the way") << "folder" << false;
}

void TestBmpFile::replacesAWholeFileOrNone()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile old(dir.filePath("old.bmp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();

    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 255));
    QString error;
    QCOMPARE(writeBmp24(image, dir.filePath(target), &error), written);
    QCOMPARE(error.isEmpty(), written);
    if (written)
        QCOMPARE(QImage(dir.filePath(target)).convertToFormat(QImage::Format_RGB32), image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"folder", "old.bmp"}));
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
}

QTEST_GUILESS_MAIN(TestBmpFile)
#include "tst_bmpfile.moc"
