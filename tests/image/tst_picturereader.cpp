#include "image/BmpFile.h"
#include "image/IconFile.h"
#include "image/PictureChecks.h"
#include "image/PictureReader.h"
#include "support/HostilePictures.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
// A complete, honest 8-bit run-length BMP: every row ends at once and the
// decoder fills it in, so a few bytes make a picture of any size.
QByteArray bmpRunLength(qint32 width, qint32 height)
{
    QByteArray out = bmpHeader(width, height, 8, 1, 2, 2);
    le32(out, 0xffffff);
    le32(out, 0x000000);
    return out + QByteArray("\0\1", 2); // end of bitmap
}

QByteArray jpegClaiming(quint16 width, quint16 height)
{
    return ::jpegClaiming(encodedPicture(filled(16, qRgb(160, 160, 164), 16), "jpeg"), width, height);
}

// The sample picture as Qt's encoder for `format` writes it at its best.
QByteArray encoded(const char* format)
{
    return encodedPicture(patterned(120, 90), format, 100);
}

// The most memory the process has had resident since the peak was last reset.
// Without a reset the peak never goes down, and a row would pass unnoticed
// whenever an earlier row had already pushed the peak higher.
qint64 peakResidentKb(bool reset = false)
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (reset && !(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1))
        return -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
} // namespace

// Pictures read and written: whole ones pixel for pixel, broken ones refused.
// Files that lie about their size must be refused, and refused cheaply: a few
// dozen bytes may not make the program take hundreds of megabytes, whatever
// allocation limit the rest of the program has set for Qt.
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

    void initTestCase()
    {
        // No limit at all from the rest of the program: the readers must bring
        // their own.
        m_savedLimit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(0);
    }

    void refusedCheaply_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // Inputs the fuzzer found: a screen of 63732 x 454 pixels round a one-pixel
        // image, and bytes that are no GIF at all but which Qt's GIF decoder, once
        // asked, decodes as one.
        QTest::newRow("gif screen far wider than its image")
            << QByteArray::fromHex("474946383961f4f8c601800000000000ffffff2c00000000f401c7010002024401003b");
        QTest::newRow("no signature, gif-like body")
            << QByteArray::fromHex("c3b6b9c7c69e0bfec701800000000000ffffff2c00000000f401c7010002024401003b");
        QTest::newRow("gif screen 8000 x 8000, image 1 x 1") << gifClaiming(8000, 8000, 1, 1);
        QTest::newRow("gif 65535 x 65535") << gifClaiming(65535, 65535);
        QTest::newRow("gif screen 0 x 0") << gifClaiming(0, 0);
        QTest::newRow("bmp 100000 x 100000") << bmpClaiming(100000, 100000);
        QTest::newRow("bmp 100000 rows top down") << bmpClaiming(100, -100000);
        QTest::newRow("bmp width 0") << bmpClaiming(0, 455);
        QTest::newRow("complete run-length bmp 5000 x 5000") << bmpRunLength(5000, 5000);
        QTest::newRow("complete run-length bmp 16384 x 1025") << bmpRunLength(16384, 1025);
        QTest::newRow("png 100000 x 100000") << pngClaiming(100000, 100000);
        QTest::newRow("png height 0") << pngClaiming(35, 0);
        // Found by the fuzzer: libpng sets aside whatever a text chunk claims.
        QTest::newRow("png text chunk claiming 128 MB")
            << pngClaiming(35, 35).insert(33, QByteArray("\x08\0\0\0tEXtComment", 15));
        QTest::newRow("jpg 65535 x 65535") << jpegClaiming(65535, 65535);
        QTest::newRow("jpg width 0") << jpegClaiming(0, 35);
        QTest::newRow("icon holding a bmp of 8000 x 8000") << icoHolding(bmpInfo(8000, 16000, 32, 0, 0) + QByteArray(64, '\0'));
        QTest::newRow("icon holding a png of 8000 x 8000") << icoHolding(pngClaiming(8000, 8000));
        QTest::newRow("icon holding a png whose text chunk claims 128 MB")
            << icoHolding(pngClaiming(35, 35).insert(33, QByteArray("\x08\0\0\0tEXtComment", 15)));
        QTest::newRow("icon file without icons") << QByteArray("\0\0\1\0\0\0", 6);
    }

    void refusedCheaply()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        const qint64 before = peakResidentKb(true);
        QVERIFY(before > 0);
        QVERIFY(!decodePicture(bytes));
        QVERIFY(!readPicture(path));
        QVERIFY(!readIconPicture(path));
        const qint64 grown = peakResidentKb() - before;
        QVERIFY2(grown < 32 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 kB").arg(grown)));
    }

    void bmpCompleteness_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        QImage picture(5, 3, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QByteArray whole = encodedPicture(picture, "bmp");
        QTest::newRow("whole 24-bit bmp") << whole << true;
        QTest::newRow("one byte short") << whole.chopped(1) << false;
        QTest::newRow("pixels said to start past the end") << whole.left(10) + QByteArray("\xff\xff\0\0", 4) + whole.mid(14) << false;
        QTest::newRow("whole run-length bmp") << bmpRunLength(40, 30) << true;
        QTest::newRow("run-length data cut off") << bmpRunLength(40, 30).chopped(1) << false;
        // Found by the fuzzer: rows of six gigabytes times 1.6 billion rows, a
        // size that does not fit in 64 bits and came out negative.
        QTest::newRow("claimed size beyond 64 bits")
            << QByteArray::fromHex("424d36010000000000003600000028000000a086017900feff60012018000000000000ffc10013233c4d3701"
                                   "000000000000000000000000")
            << false;
    }

    void bmpCompleteness()
    {
        QFETCH(QByteArray, bytes);
        QTEST(bmpDataComplete(bytes), "complete");
    }

    void cleanupTestCase()
    {
        QImageReader::setAllocationLimit(m_savedLimit);
    }

private:
    int m_savedLimit = 0;
};

QTEST_GUILESS_MAIN(TestPictureReader)
#include "tst_picturereader.moc"
