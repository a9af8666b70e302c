#include "image/PictureLibrary.h"

#include <QtTest>

class TestPictureLibrary : public QObject {
    Q_OBJECT
private slots:
    // Every listed picture is there and usable: 32 x 32 with its transparency,
    // the magnifier's resting picture 101 x 101; outside the list nothing.
    void everyIndex()
    {
        const PictureLibrary library;
        int count = 0;
        for (int n = -1; n <= 151; ++n) {
            const QImage picture = library.picture(n);
            QCOMPARE(picture.isNull(), !library.has(n));
            if (library.has(n)) {
                ++count;
                QCOMPARE(picture.size(), n == 99 ? QSize(101, 101) : QSize(32, 32));
                QCOMPARE(picture.format(), QImage::Format_ARGB32);
            }
        }
        QCOMPARE(count, 98);
        QVERIFY(library.has(0) && library.has(139) && !library.has(140));
    }
};

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
