#include "image/IconFile.h"
#include "image/IconOps.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include <QtTest>

#include <unistd.h>

class TestIconFile : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestIconFile)
#include "tst_IconFile.moc"
