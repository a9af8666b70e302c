#include "bmp2jpeg/Bmp2Jpeg.h"
#include "image/BmpFile.h"
#include "support/PictureCompare.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
// A plan as users draw them: white, black walls, thin coloured lines, a filled room.
QImage planPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(20, 20, width - 40, 4, Qt::black);
    p.fillRect(20, 20, 4, height - 40, Qt::black);
    p.fillRect(60, 60, 80, 50, QColor(255, 255, 160));
    p.setPen(QColor(255, 0, 0));
    p.drawLine(30, 200, width - 30, 200);
    p.setPen(QColor(0, 0, 255));
    p.drawLine(30, 240, width - 30, 300);
    p.setPen(QColor(0, 160, 0));
    p.drawLine(100, 30, 100, height - 30);
    return image;
}

// The sampling factors of every component in the frame header.
QList<int> samplingFactors(const QByteArray& jpg)
{
    const qsizetype sof = jpg.indexOf(QByteArray("\xFF\xC0", 2)) >= 0 ? jpg.indexOf(QByteArray("\xFF\xC0", 2))
                                                                      : jpg.indexOf(QByteArray("\xFF\xC2", 2));
    QList<int> factors;
    if (sof < 0)
        return factors;
    const int components = quint8(jpg[sof + 9]);
    for (int c = 0; c < components; ++c)
        factors << quint8(jpg[sof + 11 + 3 * c]);
    return factors;
}

QByteArray withField32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

QByteArray withField16(QByteArray bytes, int at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

bool convert(const QString& bmp, const QString& jpg, short quality = 100)
{
    return BmpToJpeg(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(), quality);
}
} // namespace

class TestBmp2Jpeg : public QObject {
    Q_OBJECT
private slots:
    void convertsAtFullColourResolution_data();
    void convertsAtFullColourResolution();
    void qualityIsClampedToItsScale();
    void refusesBadBitmaps_data();
    void refusesBadBitmaps();
    void failedWriteLeavesNothingBehind_data();
    void failedWriteLeavesNothingBehind();
};

void TestBmp2Jpeg::convertsAtFullColourResolution_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("topDown");
    QTest::newRow("one floor") << 350 << false;
    QTest::newRow("three wide floors") << 1410 << false;
    QTest::newRow("odd width, rows top-down") << 351 << true;
}

void TestBmp2Jpeg::convertsAtFullColourResolution()
{
    QFETCH(int, width);
    QFETCH(bool, topDown);
    QTemporaryDir dir;
    const QImage plan = planPicture(width, 455);
    QByteArray bmp = encodeBmp24(plan);
    if (topDown) {
        // Same pixels, rows stored from the top with a negative height.
        QByteArray flipped = encodeBmp24(plan.mirrored(false, true));
        bmp = withField32(flipped, 22, quint32(-455));
    }
    QFile bmpFile(dir.filePath("in.bmp"));
    QVERIFY(bmpFile.open(QIODevice::WriteOnly));
    bmpFile.write(bmp);
    bmpFile.close();
    QFile::remove(dir.filePath("out.jpg"));
    QVERIFY(convert(dir.filePath("in.bmp"), dir.filePath("out.jpg")));

    QFile jpgFile(dir.filePath("out.jpg"));
    QVERIFY(jpgFile.open(QIODevice::ReadOnly));
    const QByteArray jpg = jpgFile.readAll();
    QCOMPARE(samplingFactors(jpg), QList<int>({0x11, 0x11, 0x11}));
    const QImage back = QImage::fromData(jpg, "JPG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), plan.size());
    QVERIFY2(largestChannelError(plan, back) <= 1, qPrintable(QString::number(largestChannelError(plan, back))));
    // The temporary file beside the target was renamed, not left.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"in.bmp", "out.jpg"}));
}

void TestBmp2Jpeg::qualityIsClampedToItsScale()
{
    QTemporaryDir dir;
    QVERIFY(writeBmp24(planPicture(350, 455), dir.filePath("in.bmp")));
    const auto jpgOf = [&](short quality) {
        const QString out = dir.filePath(QStringLiteral("q%1.jpg").arg(quality));
        if (!convert(dir.filePath("in.bmp"), out, quality))
            return QByteArray();
        QFile f(out);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray best = jpgOf(100);
    const QByteArray coarse = jpgOf(10);
    QVERIFY(!best.isEmpty() && !coarse.isEmpty());
    QVERIFY(coarse.size() * 2 < best.size());
    QCOMPARE(jpgOf(400), best);
    QCOMPARE(jpgOf(-7), jpgOf(0));
}

void TestBmp2Jpeg::refusesBadBitmaps_data()
{
    QTest::addColumn<QByteArray>("bmp");
    const QByteArray good = encodeBmp24(planPicture(40, 30));
    QImage eightBit(40, 30, QImage::Format_Indexed8);
    eightBit.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    eightBit.fill(1);
    QByteArray indexed;
    QBuffer buffer(&indexed);
    buffer.open(QIODevice::WriteOnly);
    eightBit.save(&buffer, "BMP");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a bitmap") << QByteArray("GIF89a and so on, nothing a bitmap would hold.....................");
    QTest::newRow("wrong magic") << QByteArray("BA") + good.mid(2);
    QTest::newRow("truncated pixels") << good.left(good.size() - 100);
    QTest::newRow("header only") << good.left(54);
    QTest::newRow("claims 100000 x 100000") << withField32(withField32(good, 18, 100000), 22, 100000);
    QTest::newRow("zero width") << withField32(good, 18, 0);
    QTest::newRow("negative width") << withField32(good, 18, quint32(-40));
    QTest::newRow("zero height") << withField32(good, 22, 0);
    QTest::newRow("32 bits per pixel") << withField16(good, 28, 32);
    QTest::newRow("8 bits per pixel") << indexed;
    QTest::newRow("run-length coded") << withField32(good, 30, 1);
    QTest::newRow("pixels before the headers end") << withField32(good, 10, 20);
    QTest::newRow("pixels beyond the file") << withField32(good, 10, 0x7FFFFFF0);
    QTest::newRow("unknown header size") << withField32(good, 14, 64);
}

void TestBmp2Jpeg::refusesBadBitmaps()
{
    QFETCH(QByteArray, bmp);
    QTemporaryDir dir;
    QFile in(dir.filePath("in.bmp"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(bmp);
    in.close();
    QFile old(dir.filePath("out.jpg"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old drawing");
    old.close();

    QVERIFY(!convert(dir.filePath("in.bmp"), dir.filePath("out.jpg")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old drawing"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"in.bmp", "out.jpg"}));
}

void TestBmp2Jpeg::failedWriteLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << "missing/out.jpg";
    QTest::newRow("target is a folder") << "taken";
    QTest::newRow("no bitmap") << "";
}

void TestBmp2Jpeg::failedWriteLeavesNothingBehind()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    QVERIFY(writeBmp24(planPicture(50, 50), dir.filePath("in.bmp")));
    const QString bmp = target.isEmpty() ? dir.filePath("absent.bmp") : dir.filePath("in.bmp");
    const QString jpg = dir.filePath(target.isEmpty() ? QStringLiteral("out.jpg") : target);
    QVERIFY(!convert(bmp, jpg));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"in.bmp", "taken"}));
    QVERIFY(QFileInfo(dir.filePath("taken")).isDir());
}

QTEST_GUILESS_MAIN(TestBmp2Jpeg)
#include "tst_bmp2jpeg.moc"
