#include "image/IconFile.h"
#include "image/IconOps.h"

#include <QtTest>

#include <unistd.h>

namespace {
QImage colourfulIcon()
{
    QImage icon = blankIcon();
    for (int y = 0; y < IconSide; ++y)
        for (int x = 0; x < IconSide; ++x)
            icon.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x * y) % 256));
    return icon;
}

quint32 le(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
} // namespace

class TestIconFile : public QObject {
    Q_OBJECT
private slots:
    void writesA24BitBmp();
    void failures_data();
    void failures();
};

void TestIconFile::writesA24BitBmp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("icon.rbn");
    // A longer file of the same name is replaced whole, nothing of it left behind.
    writeAll(path, QByteArray(10000, 'x'));
    QVERIFY(writeIconFile(colourfulIcon(), path));
    const QByteArray bytes = readAll(path);
    // 54 header bytes, then 35 rows of 105 colour bytes padded to 108.
    QCOMPARE(bytes.size(), 54 + 35 * 108);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(le(bytes, 2, 4), quint32(bytes.size()));
    QCOMPARE(le(bytes, 18, 4), 35u);
    QCOMPARE(le(bytes, 22, 4), 35u);
    QCOMPARE(le(bytes, 28, 2), 24u);
    QCOMPARE(le(bytes, 30, 4), 0u); // uncompressed
    // The bottom row comes first, each pixel blue, green, red.
    const int first = int(le(bytes, 10, 4));
    QCOMPARE(le(bytes, first, 3), colourfulIcon().pixel(0, 34) & 0xffffff);
    QCOMPARE(le(bytes, first + 3, 3), colourfulIcon().pixel(1, 34) & 0xffffff);
    QCOMPARE(le(bytes, first + 108, 3), colourfulIcon().pixel(0, 33) & 0xffffff);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"icon.rbn"});
}

void TestIconFile::failures_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<int>("side");
    QTest::newRow("folder that does not exist") << "missing/icon.rbn" << false << 35;
    QTest::newRow("name of a folder") << "sub" << false << 35;
    QTest::newRow("read-only folder, existing file") << "locked/icon.rbn" << true << 35;
    QTest::newRow("picture of another size, existing file") << "icon.rbn" << false << 32;
}

void TestIconFile::failures()
{
    QFETCH(QString, target);
    QFETCH(bool, readOnlyFolder);
    QFETCH(int, side);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("folder permissions do not hold back the superuser");
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sub");
    QDir(dir.path()).mkpath("locked");
    const QString path = dir.filePath(target);
    const QByteArray old("an older file that must survive whole");
    if (!QFileInfo(path).isDir() && QFileInfo(path).dir().exists())
        writeAll(path, old);
    if (readOnlyFolder)
        QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QString error;
    QVERIFY(!writeIconFile(picture, path, &error));
    QVERIFY(!error.isEmpty());
    if (QFileInfo(path).isFile())
        QCOMPARE(readAll(path), old);
    QVERIFY(QFileInfo(dir.filePath("sub")).isDir());
    QFile::setPermissions(dir.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(TestIconFile)
#include "tst_IconFile.moc"
