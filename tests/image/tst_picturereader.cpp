#include "image/PictureReader.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray encoded(const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    patterned(120, 90).save(&buffer, format, 100);
    return bytes;
}
} // namespace

class TestPictureReader : public QObject {
    Q_OBJECT
private slots:
    void readsWholePictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("bmp") << encoded("BMP") << 0;
        QTest::newRow("png") << encoded("PNG") << 0;
        QTest::newRow("jpg") << encoded("JPG") << 8;
        QTest::newRow("jpg with bytes after its end") << encoded("JPG") + QByteArray(40, '\0') << 8;
    }

    void readsWholePictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, tolerance);
        const auto picture = decodePicture(bytes);
        QVERIFY(picture);
        QCOMPARE(picture->format(), QImage::Format_RGB32);
        QCOMPARE(picture->size(), patterned(120, 90).size());
        const QRgb expected = patterned(120, 90).pixel(70, 40);
        const QRgb actual = picture->pixel(70, 40);
        QVERIFY(qAbs(qRed(actual) - qRed(expected)) <= tolerance);
        QVERIFY(qAbs(qBlue(actual) - qBlue(expected)) <= tolerance);
    }

    void refusesBrokenPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray bmp = encoded("BMP");
        const QByteArray jpg = encoded("JPG");
        const QByteArray png = encoded("PNG");
        QByteArray beyond = bmp; // pixels said to start far past the end
        qToLittleEndian<quint32>(0x7FFFFF00, beyond.data() + 10);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("noise") << QByteArray("\x12\x99 this is no picture at all \x01\x02\x03", 32);
        QTest::newRow("bmp cut at nine tenths") << bmp.left(bmp.size() * 9 / 10);
        QTest::newRow("bmp cut after its headers") << bmp.left(60);
        QTest::newRow("bmp pixels beyond the file") << beyond;
        QTest::newRow("jpg cut at nine tenths") << jpg.left(jpg.size() * 9 / 10);
        QTest::newRow("jpg without its end marker") << jpg.left(jpg.size() - 2);
        QTest::newRow("png cut at nine tenths") << png.left(png.size() * 9 / 10);
    }

    void refusesBrokenPictures()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodePicture(bytes));
        TestProgram program;
        program.writeFile(QStringLiteral("broken.bmp"), bytes);
        QVERIFY(!readPicture(program.path(QStringLiteral("broken.bmp"))));
    }

    void refusesMissingAndOversizedFiles()
    {
        QTemporaryDir dir;
        QVERIFY(!readPicture(dir.filePath("absent.jpg")));
        QVERIFY(!readPicture(dir.path()));
        // A real bitmap padded past the size limit is not even read.
        QFile file(dir.filePath("huge.bmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encoded("BMP"));
        QVERIFY(file.resize(MaxPictureFileBytes + 1));
        file.close();
        QVERIFY(!readPicture(file.fileName()));
        QVERIFY(file.resize(encoded("BMP").size()));
        QVERIFY(readPicture(file.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestPictureReader)
#include "tst_picturereader.moc"
