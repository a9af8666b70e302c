#include "image/IconFile.h"
#include "image/IconOps.h"
#include "support/DrawingRig.h"

#include <QtTest>

#include <cmath>
#include <unistd.h>

namespace {
constexpr QRgb White = 0xffffffff;
constexpr QRgb Ink = 0xff102030;
using Operation = void (*)(QImage&);

QPoint point(const QString& text)
{
    return QPoint(text.section(QLatin1Char(','), 0, 0).toInt(), text.section(QLatin1Char(','), 1, 1).toInt());
}
} // namespace

Q_DECLARE_METATYPE(Operation)

class TestIconOps : public QObject {
    Q_OBJECT
private slots:
    // Each check is "x,y<sx,sy" (new pixel (x, y) is old pixel (sx, sy)), "x,y~sx,sy"
    // (the old pixel's negative) or "x,y=W" (white).
    void moves_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("checks");
        QTest::newRow("rotate corners") << Operation(rotateIconClockwise) << "34,0<0,0 34,34<34,0 0,34<34,34 0,0<0,34 17,17<17,17";
        QTest::newRow("rotate inside") << Operation(rotateIconClockwise) << "30,2<2,4 5,9<9,29";
        QTest::newRow("mirror") << Operation(mirrorIcon) << "0,0<34,0 34,12<0,12 17,5<17,5 16,20<18,20";
        QTest::newRow("left") << Operation(shiftIconLeft) << "0,3<1,3 33,3<34,3 10,0<11,0 34,0=W 34,34=W";
        QTest::newRow("right") << Operation(shiftIconRight) << "1,3<0,3 34,3<33,3 0,0=W 0,34=W";
        QTest::newRow("up") << Operation(shiftIconUp) << "3,0<3,1 3,33<3,34 3,34=W 0,34=W";
        QTest::newRow("down") << Operation(shiftIconDown) << "3,1<3,0 3,34<3,33 3,0=W 34,0=W";
        QTest::newRow("negative") << Operation(negateIcon) << "0,0~0,0 3,4~3,4 34,34~34,34";
    }

    void moves()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, checks);
        const QImage before = patterned(IconSide, IconSide);
        QImage icon = before;
        operation(icon);
        for (const QString& check : checks.split(QLatin1Char(' '))) {
            const QRgb old = before.pixel(point(check.section(QRegularExpression("[<~]"), 1)));
            const QRgb expected = check.endsWith("=W") ? White : check.contains(QLatin1Char('~')) ? (~old | 0xff000000) : old;
            QVERIFY2(icon.pixel(point(check.section(QRegularExpression("[<~=]"), 0, 0))) == expected, qPrintable(check));
        }
    }

    void border_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("onOutline");
        QTest::addColumn<QString>("stillWhite");
        QTest::newRow("0 is the centre pixel") << 0 << 1 << "17,17" << "16,17 18,17 17,16 17,18";
        QTest::newRow("1") << 1 << 8 << "16,16 18,18 16,18 17,16" << "17,17 15,15";
        QTest::newRow("5") << 5 << 40 << "12,12 22,22 12,22 22,12 17,12" << "17,17 13,13 11,11 23,23";
        QTest::newRow("17 is the outer ring") << 17 << 136 << "0,0 34,0 0,34 34,34 17,0 0,17 34,20 20,34" << "1,1 33,33";
        QTest::newRow("-1 draws nothing") << -1 << 0 << "" << "17,17";
        QTest::newRow("18 draws nothing") << 18 << 0 << "" << "0,0";
    }

    void border()
    {
        QFETCH(int, n);
        QFETCH(int, count);
        QFETCH(QString, onOutline);
        QFETCH(QString, stillWhite);
        QImage icon = blankIcon();
        drawIconBorder(icon, n, Ink);
        QCOMPARE(int(inkedPixels(icon).size()), count);
        for (const QString& p : onOutline.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(icon.pixel(point(p)) == Ink, qPrintable(p));
        for (const QString& p : stillWhite.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(icon.pixel(point(p)) == White, qPrintable(p));
    }

    void circle_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {0, 1, 6, 12, 17, 18})
            QTest::addRow("%d", n) << n;
    }

    void circle()
    {
        QFETCH(int, n);
        QImage icon = blankIcon();
        drawIconCircle(icon, n, Ink);
        if (n < 1 || n > 17) {
            QCOMPARE(icon, blankIcon());
            return;
        }
        // Exactly n out on both axes, so 17 touches the four edges.
        for (QPoint p : {QPoint(17 + n, 17), QPoint(17 - n, 17), QPoint(17, 17 + n), QPoint(17, 17 - n)})
            QCOMPARE(icon.pixel(p), Ink);
        // An outline only: every inked pixel lies within a pixel of the radius.
        for (int y = 0; y < IconSide; ++y)
            for (int x = 0; x < IconSide; ++x)
                if (icon.pixel(x, y) == Ink)
                    QVERIFY(std::abs(std::hypot(x - 17, y - 17) - n) < 1.0);
        // No gaps: wherever the true circle passes, an inked pixel is at most one step away.
        for (int degree = 0; degree < 360; ++degree) {
            const int cx = int(std::lround(17 + n * std::cos(degree * M_PI / 180)));
            const int cy = int(std::lround(17 + n * std::sin(degree * M_PI / 180)));
            QVERIFY2(!inkedPixels(icon.copy(cx - 1, cy - 1, 3, 3)).isEmpty(), qPrintable(QStringLiteral("gap at %1 degrees").arg(degree)));
        }
        // Round: unchanged by a quarter turn or a mirror.
        QImage turned = icon;
        rotateIconClockwise(turned);
        QCOMPARE(turned, icon);
        mirrorIcon(turned);
        QCOMPARE(turned, icon);
    }

    void writesWholeFile()
    {
        TestProgram program;
        const QString target = QStringLiteral("icon.rbn");
        const QString path = program.path(target);
        // A longer file of the same name is replaced whole, nothing of it left behind.
        program.writeFile(target, QByteArray(10000, 'x'));
        QVERIFY(writeIconFile(patterned(35, 35), path));
        // 24 bits a pixel, rows padded to four bytes: what older readers of .rbn files take.
        QCOMPARE(program.readFile(target).size(), 54 + 35 * 108);
        const std::optional<QImage> back = readIconPicture(path);
        QVERIFY(back);
        QCOMPARE(*back, patterned(35, 35));
        QCOMPARE(QDir(program.folder()).entryList(QDir::Files), QStringList{"icon.rbn"});
    }

    void failures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<int>("side");
        QTest::newRow("folder that does not exist") << "missing/icon.rbn" << false << 35;
        QTest::newRow("name of a folder") << "sub" << false << 35;
        QTest::newRow("read-only folder, existing file") << "locked/icon.rbn" << true << 35;
        QTest::newRow("picture of another size, existing file") << "icon.rbn" << false << 32;
    }

    void failures()
    {
        QFETCH(QString, target);
        QFETCH(bool, readOnlyFolder);
        QFETCH(int, side);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("folder permissions do not hold back the superuser");
        TestProgram program;
        QDir(program.folder()).mkpath("sub");
        QDir(program.folder()).mkpath("locked");
        const QString path = program.path(target);
        const QByteArray old("an older file that must survive whole");
        if (!QFileInfo(path).isDir() && QFileInfo(path).dir().exists())
            program.writeFile(target, old);
        if (readOnlyFolder)
            QFile::setPermissions(program.path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

        QImage picture = filled(side, qRgb(255, 0, 0), side);
        QString error;
        QVERIFY(!writeIconFile(picture, path, &error));
        QVERIFY(!error.isEmpty());
        if (QFileInfo(path).isFile())
            QCOMPARE(program.readFile(target), old);
        QVERIFY(QFileInfo(program.path("sub")).isDir());
        QFile::setPermissions(program.path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestIconOps)
#include "tst_IconOps.moc"
