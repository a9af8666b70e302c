#include "image/IconFile.h"
#include "image/PictureChecks.h"
#include "image/PictureReader.h"
#include "support/HostilePictures.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

// Files that lie about their size must be refused, and refused cheaply: a few
// dozen bytes may not make the program take hundreds of megabytes, whatever
// allocation limit the rest of the program has set for Qt.

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
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    return ::jpegClaiming(encodedPicture(picture, "jpeg"), width, height);
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

class TestHostilePictures : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestHostilePictures)
#include "tst_hostilepictures.moc"
