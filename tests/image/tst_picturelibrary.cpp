#include "image/PictureLibrary.h"

#include <QtTest>

namespace {
// The filled ranges of the library; everything else up to 150 stays empty.
bool isListed(int n)
{
    const int ranges[][2] = {{0, 5}, {9, 22}, {25, 33}, {40, 57}, {60, 62}, {80, 90}, {99, 125}, {130, 139}};
    for (const auto& range : ranges) {
        if (n >= range[0] && n <= range[1])
            return true;
    }
    return false;
}
} // namespace

class TestPictureLibrary : public QObject {
    Q_OBJECT
private slots:
    void everyIndex_data();
    void everyIndex();
    void countAndBounds();
};

void TestPictureLibrary::everyIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    for (int n = 0; n <= 150; ++n) {
        const QSize size = !isListed(n) ? QSize() : n == 99 ? QSize(101, 101) : QSize(32, 32);
        QTest::addRow("%03d", n) << n << size;
    }
}

void TestPictureLibrary::everyIndex()
{
    QFETCH(int, index);
    QFETCH(QSize, size);
    const PictureLibrary library;
    QCOMPARE(library.has(index), size.isValid());
    const QImage picture = library.picture(index);
    QCOMPARE(picture.isNull(), !size.isValid());
    if (size.isValid()) {
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.format(), QImage::Format_ARGB32);
    }
}

void TestPictureLibrary::countAndBounds()
{
    const PictureLibrary library;
    int count = 0;
    for (int n = 0; n <= 150; ++n)
        count += library.has(n) ? 1 : 0;
    QCOMPARE(count, 98);
    QVERIFY(!library.has(-1));
    QVERIFY(!library.has(151));
    QVERIFY(library.picture(151).isNull());
}

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
