#include "image/BmpFile.h"
#include "image/PictureReader.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QBuffer>
#include <QDir>
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

    void writesHeadersAndRowsBottomUp()
    {
        QImage image(3, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(1, 2, 3));
        image.setPixel(1, 0, qRgb(4, 5, 6));
        image.setPixel(2, 0, qRgb(7, 8, 9));
        image.setPixel(0, 1, qRgb(10, 11, 12));
        image.setPixel(1, 1, qRgb(13, 14, 15));
        image.setPixel(2, 1, qRgb(16, 17, 18));
        const QByteArray b = encodeBmp24(image);
        QCOMPARE(b.size(), 54 + 2 * 12);
        // "BM", 78 bytes, pixels at 54; a 40-byte header of 3 x 2, one plane, 24 bits, no compression, 24 bytes.
        QCOMPARE(b.left(38), QByteArray::fromHex("424d 4e000000 00000000 36000000 28000000 03000000 02000000 0100 1800"
                                                 "00000000 18000000"));
        // The bottom row first, blue-green-red, padded to 12 bytes with zeros.
        QCOMPARE(b.mid(54), QByteArray::fromHex("0c0b0a 0f0e0d 121110 000000 030201 060504 090807 000000"));
    }

    void readsBackPixelForPixel_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("one floor") << QSize(350, 455);
        QTest::newRow("three floors at 470") << QSize(1410, 455);
    }

    void readsBackPixelForPixel()
    {
        QFETCH(QSize, size);
        const QImage image = patterned(size.width(), size.height());
        QTemporaryDir dir;
        QString error;
        QVERIFY(writeBmp24(image, dir.filePath("plan.bmp"), &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(QImage(dir.filePath("plan.bmp")).convertToFormat(QImage::Format_RGB32), image);
    }

    void replacesAWholeFileOrNone_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("existing file replaced") << "old.bmp" << true;
        QTest::newRow("missing folder") << "nowhere/plan.bmp" << false;
        QTest::newRow("a folder in the way") << "folder" << false;
    }

    void replacesAWholeFileOrNone()
    {
        QFETCH(QString, target);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QFile old(dir.filePath("old.bmp"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();

        QImage image = filled(20, qRgb(0, 128, 255), 10);
        QString error;
        QCOMPARE(writeBmp24(image, dir.filePath(target), &error), written);
        QCOMPARE(error.isEmpty(), written);
        if (written)
            QCOMPARE(QImage(dir.filePath(target)).convertToFormat(QImage::Format_RGB32), image);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"folder", "old.bmp"}));
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    }

    // The save's temporary bitmap: the same bytes, and a write that fails is
    // reported rather than handed to the JPG converter.
    void scratchFileIsWholeOrReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("written") << "mydummy.bmp" << true;
        QTest::newRow("missing folder") << "nowhere/mydummy.bmp" << false;
        QTest::newRow("disk full") << "/dev/full" << false;
    }

    void scratchFileIsWholeOrReported()
    {
        QFETCH(QString, target);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = target.startsWith('/') ? target : dir.filePath(target);
        QImage image = filled(37, qRgb(200, 100, 50), 11);
        QCOMPARE(writeScratchBmp24(image, path), written);
        if (written) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), encodeBmp24(image));
        }
        QCOMPARE(QFileInfo::exists(path), written || target.startsWith('/'));
    }
};

QTEST_GUILESS_MAIN(TestPictureReader)
#include "tst_picturereader.moc"
