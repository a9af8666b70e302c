#include "bmp2jpeg/Bmp2Jpeg.h"
#include "image/BmpFile.h"
#include "support/PictureCompare.h"

#include <QPainter>
#include <QtTest>

namespace {
// A plan as users draw them: white, black walls, thin coloured lines, a filled room.
QImage planPicture(int width, int height)
{
    QImage image = filled(width, qRgb(255, 255, 255), height);
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

// A header field of `size` bytes at `at` set to `value`, little-endian.
QByteArray withField(QByteArray bytes, int at, quint32 value, int size = 4)
{
    const quint32 little = qToLittleEndian(value);
    return bytes.replace(at, size, reinterpret_cast<const char*>(&little), size);
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray get(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool convert(const QString& bmp, const QString& jpg, short quality = 100)
{
    return BmpToJpeg(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(), quality);
}
} // namespace

class TestBmp2Jpeg : public QObject {
    Q_OBJECT
private slots:
    void roundTripWithinOneStep_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("topDown");
        QTest::newRow("one floor") << 350 << false;
        QTest::newRow("three wide floors") << 1410 << false;
        QTest::newRow("odd width, rows top-down") << 351 << true;
    }

    // Thin coloured lines survive only at full colour resolution.
    void roundTripWithinOneStep()
    {
        QFETCH(int, width);
        QFETCH(bool, topDown);
        QTemporaryDir dir;
        const QImage plan = planPicture(width, 455);
        // Same pixels, rows stored from the top with a negative height.
        put(dir.filePath("in.bmp"), topDown ? withField(encodeBmp24(plan.mirrored(false, true)), 22, quint32(-455))
                                            : encodeBmp24(plan));
        QVERIFY(convert(dir.filePath("in.bmp"), dir.filePath("out.jpg")));

        const QImage back = QImage::fromData(get(dir.filePath("out.jpg")), "JPG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(back.size(), plan.size());
        QVERIFY2(largestChannelError(plan, back) <= 1, qPrintable(QString::number(largestChannelError(plan, back))));
        // The temporary file beside the target was renamed, not left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"in.bmp", "out.jpg"}));
    }

    void qualityIsClampedToItsScale()
    {
        QTemporaryDir dir;
        QVERIFY(writeBmp24(planPicture(350, 455), dir.filePath("in.bmp")));
        const auto jpgOf = [&](short quality) {
            const QString out = dir.filePath(QStringLiteral("q%1.jpg").arg(quality));
            return convert(dir.filePath("in.bmp"), out, quality) ? get(out) : QByteArray();
        };
        const QByteArray best = jpgOf(100);
        const QByteArray coarse = jpgOf(10);
        QVERIFY(!coarse.isEmpty() && coarse.size() * 2 < best.size());
        QCOMPARE(jpgOf(400), best);
        QCOMPARE(jpgOf(-7), jpgOf(0));
    }

    void refusalLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("bmp");
        QTest::addColumn<QString>("target");
        const QByteArray good = encodeBmp24(planPicture(40, 30));
        const auto row = [](const char* name, const QByteArray& bmp, const QString& target = QStringLiteral("out.jpg")) {
            QTest::newRow(name) << QStringLiteral("in.bmp") << bmp << target;
        };
        row("empty", QByteArray());
        row("not a bitmap", QByteArray("GIF89a and so on, nothing a bitmap would hold....................."));
        row("wrong magic", QByteArray("BA") + good.mid(2));
        row("truncated pixels", good.left(good.size() - 100));
        row("header only", good.left(54));
        row("claims 100000 x 100000", withField(withField(good, 18, 100000), 22, 100000));
        row("zero width", withField(good, 18, 0));
        row("negative width", withField(good, 18, quint32(-40)));
        row("zero height", withField(good, 22, 0));
        row("32 bits per pixel", withField(good, 28, 32, 2));
        row("8 bits per pixel", withField(good, 28, 8, 2));
        row("run-length coded", withField(good, 30, 1));
        row("pixels before the headers end", withField(good, 10, 20));
        row("pixels beyond the file", withField(good, 10, 0x7FFFFFF0));
        row("unknown header size", withField(good, 14, 64));
        row("folder missing", good, QStringLiteral("missing/out.jpg"));
        row("target is a folder", good, QStringLiteral("taken"));
        QTest::newRow("no bitmap") << "absent.bmp" << good << "out.jpg";
    }

    // A refused conversion keeps the old drawing and leaves no temporary file.
    void refusalLeavesTheFolderAsItWas()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bmp);
        QFETCH(QString, target);
        QTemporaryDir dir;
        put(dir.filePath("in.bmp"), bmp);
        put(dir.filePath("out.jpg"), "old drawing");
        QVERIFY(QDir(dir.path()).mkdir("taken"));

        QVERIFY(!convert(dir.filePath(source), dir.filePath(target)));
        QCOMPARE(get(dir.filePath("out.jpg")), QByteArray("old drawing"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"in.bmp", "out.jpg", "taken"}));
    }
};

QTEST_GUILESS_MAIN(TestBmp2Jpeg)
#include "tst_bmp2jpeg.moc"
