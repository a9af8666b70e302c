#include "drawing/ToolPanel.h"
#include "editing/IconPanel.h"
#include "floors/FloorPanel.h"
#include "image/PictureLibrary.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QImage>
#include <QtTest>

// The button and window pictures are embedded in the program, and embedded
// resources can silently drop out at link time: a missing or empty picture
// shows as an empty button, so this checks them as the program reads them.

class TestEmbeddedPictures : public QObject {
    Q_OBJECT
private slots:
    void picture_data()
    {
        QTest::addColumn<QString>("path");
        for (QDirIterator it(QStringLiteral(":/buttons")); it.hasNext();)
            QTest::newRow(qPrintable(it.next())) << it.filePath();
        for (const char* path : {":/pictures/welcome.png", ":/pictures/config.png", ":/pictures/rimbano.png", ":/library/099.png"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    void picture()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        // Something must be drawn: a picture that is all transparent shows nothing.
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) == 255;
        QVERIFY(drawn > image.width() * image.height() / 20);
    }

    void buttonsCarryPictures()
    {
        QWidget window;
        new ToolPanel(&window);
        new FloorPanel(&window);
        new IconPanel(&window);
        QStringList names;
        for (int i = 1; i <= 20; ++i)
            names << QStringLiteral("toolButton%1").arg(i);
        names << "clearFloorButton1" << "clearFloorButton2" << "clearFloorButton3" << "importIconButton" << "rotateIconButton" << "mirrorIconButton";
        for (const QString& name : names) {
            const auto* found = window.findChild<QAbstractButton*>(name);
            QVERIFY2(found && !found->icon().pixmap(found->iconSize()).isNull(), qPrintable(name));
        }
    }

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

QTEST_MAIN(TestEmbeddedPictures)
#include "tst_embeddedpictures.moc"
