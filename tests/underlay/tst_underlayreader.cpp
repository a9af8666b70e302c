#include "underlay/UnderlayReader.h"
#include "support/HostilePictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Where a scan's thin walls run: one pixel wide, about 30 % across and 60 %
// down, on odd rows and columns, which keeping every other pixel would lose.
QPoint wallsOf(QSizeF size)
{
    return QPoint(int(size.width() * 0.3) | 1, int(size.height() * 0.6) | 1);
}

void drawWalls(QPainter& painter, QSize size)
{
    const QPoint walls = wallsOf(size);
    painter.fillRect(walls.x(), 0, 1, size.height(), Qt::black);
    painter.fillRect(0, walls.y(), size.width(), 1, Qt::black);
}

// Walls on white paper, or on see-through black as some drawing programs export a plan.
QImage scan(QSize size, QImage::Format format, bool transparentPaper = false)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(transparentPaper ? Qt::transparent : Qt::white);
    QPainter painter(&picture);
    drawWalls(painter, size);
    painter.end();
    return picture.convertToFormat(format);
}

// A PDF of `pages` pages of `points`, the walls drawn on the last one only.
QByteArray pdf(int pages, QSizeF points)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(300);
    QPainter painter(&writer);
    for (int page = 1; page < pages; ++page)
        writer.newPage();
    drawWalls(painter, (points * 300 / 72).toSize());
    painter.end();
    return buffer.data();
}

// The file's path; null bytes leave it missing.
QString written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!bytes.isNull() && (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

const char* const Unreadable = "Het bestand %1 kan niet als onderlegger worden gelezen.";
const char* const TooLarge = "Het bestand %1 is te groot om als onderlegger te gebruiken; bewaar het als JPG of PNG.";
} // namespace

// Plans to trace come as large scans: they must arrive shrunk to what the
// canvas can use, their thin lines still visible, and broken or lying files
// must be refused with the right message instead of filling the memory.
class TestUnderlayReader : public QObject {
    Q_OBJECT
private slots:
    void readsScansWithinTheLimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("page");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QSizeF>("sourceSize");
        const auto row = [](const char* name, const QByteArray& bytes, int page, QSize picture, QSizeF source) {
            QTest::newRow(name) << bytes << page << picture << source;
        };
        const QSize small(800, 600), big(4000, 3000); // 12 million pixels: reduced by half
        // The JPEG's odd last column and row are left out, not resampled.
        row("jpeg reduced in the decoder", encodedPicture(scan({4001, 3001}, QImage::Format_Grayscale8), "jpeg", 90), 1,
            big / 2, QSizeF(4001, 3001));
        row("png whole", encodedPicture(scan(small, QImage::Format_RGB32), "png"), 1, small, small);
        row("grey png streamed", encodedPicture(scan(big, QImage::Format_Grayscale8), "png", 90), 1, big / 2, big);
        row("transparent png streamed", encodedPicture(scan({3300, 3100}, QImage::Format_ARGB32, true), "png", 90), 1,
            QSize(1650, 1550), QSizeF(3300, 3100));
        row("bmp", encodedPicture(scan(small, QImage::Format_RGB32), "bmp"), 1, small, small);
        row("pdf page at 300 dpi", pdf(1, {720, 540}), 1, QSize(3000, 2250), QSizeF(3000, 2250));
        // 6000 x 4500 at 300 dpi, scaled by the square root of 10 / 27 million.
        row("pdf second page reduced", pdf(2, {1440, 1080}), 2, QSize(3651, 2738), QSizeF(6000, 4500));
    }

    void readsScansWithinTheLimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, page);
        QFETCH(QSize, pictureSize);
        QFETCH(QSizeF, sourceSize);
        const QTemporaryDir dir;
        const UnderlaySource source = UnderlayReader::read(written(dir, "plan", bytes), page);
        const QImage& picture = source.picture;
        QVERIFY2(source.error.isEmpty(), qPrintable(source.error));
        QCOMPARE(picture.size(), pictureSize);
        QCOMPARE(source.sourceSize, sourceSize);
        QCOMPARE(source.pageCount, page);
        QVERIFY(picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_Grayscale8);
        // The walls where they were, grey at least; the paper white.
        const QPoint walls = wallsOf(sourceSize * (double(picture.width()) / sourceSize.width()));
        int across = 255, down = 255;
        for (int k = -1; k <= 1; ++k) {
            across = std::min(across, qGray(picture.pixel(walls.x() + k, picture.height() / 4)));
            down = std::min(down, qGray(picture.pixel(picture.width() / 8, walls.y() + k)));
        }
        QVERIFY2(across < 160 && down < 160, qPrintable(QStringLiteral("%1 %2").arg(across).arg(down)));
        QVERIFY(qGray(picture.pixel(picture.width() / 8, picture.height() / 4)) > 240);
    }

    void refusesWithItsReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("pageCount");
        const auto row = [](const char* name, const QByteArray& bytes, const char* message, int page = 1, int pages = 1) {
            QTest::newRow(name) << bytes << page << QString(message) << pages;
        };
        const QImage picture = scan({400, 300}, QImage::Format_RGB32);
        const QByteArray jpeg = encodedPicture(picture, "jpeg"), png = encodedPicture(picture, "png");
        row("missing file", QByteArray(), Unreadable);
        row("jpeg cut off", jpeg.left(jpeg.size() * 2 / 3), Unreadable);
        row("png cut off", png.left(png.size() * 2 / 3), Unreadable);
        row("streamed png cut off", pngClaiming(4000, 3000), Unreadable);
        row("jpeg claiming 50000 x 50000", jpegClaiming(jpeg, 50000, 50000), TooLarge);
        row("png claiming 50000 x 50000", pngClaiming(50000, 50000), TooLarge);
        row("bmp over the limit", bmpClaiming(4000, 3000), TooLarge);
        // Its coefficients alone, which libjpeg holds whole, would take 90 MB.
        row("progressive jpeg of 30 million pixels",
            jpegClaiming(encodedPicture(picture, "jpeg", -1, true), 6000, 5000), TooLarge);
        row("pdf page 0", pdf(2, {720, 540}), "Deze PDF heeft geen pagina 0.", 0, 2);
        row("pdf page 3 of 2", pdf(2, {720, 540}), "Deze PDF heeft geen pagina 3.", 3, 2);
    }

    void refusesWithItsReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, page);
        QFETCH(QString, message);
        QFETCH(int, pageCount);
        const QTemporaryDir dir;
        const QString path = written(dir, "plan.jpg", bytes);
        const UnderlaySource source = UnderlayReader::read(path, page);
        QCOMPARE(source.error, message.contains("%1") ? message.arg(path) : message);
        QVERIFY(source.picture.isNull());
        QCOMPARE(source.pageCount, pageCount);
    }
};

QTEST_MAIN(TestUnderlayReader)
#include "tst_underlayreader.moc"
