#include "image/SettingsFile.h"

#include <QtTest>

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rimbano.ini"));
        const SettingsRecord written{QStringLiteral("Mijn huis, 1999"), 255, 128, 7, false, false, 1500};
        QVERIFY(writeSettingsFile(path, written));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"Mijn huis, 1999\"\r\n255,128,7\r\n#FALSE#\r\n#FALSE#\r\n1500\r\n"));

        SettingsRecord read;
        QCOMPARE(readSettingsFile(path, read), SettingsReadResult::Complete);
        QCOMPARE(formatSettings(read), formatSettings(written));
        QCOMPARE(readSettingsFile(dir.filePath(QStringLiteral("geen.ini")), read), SettingsReadResult::Missing);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("blue");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("width");

        const int complete = int(SettingsReadResult::Complete);
        const int incomplete = int(SettingsReadResult::Incomplete);
        QTest::newRow("complete") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n300\r\n") << complete << 1 << 3 << false << 300;
        QTest::newRow("blanks before fields") << QByteArray("\"x\"\r\n 1, 2, 3\r\n #TRUE#\r\n#FALSE#\r\n 600\r\n") << complete << 1 << 3 << false << 600;
        QTest::newRow("lf line ends") << QByteArray("\"x\"\n1,2,3\n#TRUE#\n#FALSE#\n300\n") << complete << 1 << 3 << false << 300;
        QTest::newRow("no final line end") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\n900") << complete << 1 << 3 << false << 900;
        // What was read before the fault stays read.
        QTest::newRow("cut after colour") << QByteArray("\"x\"\r\n9,8,7\r\n") << incomplete << 9 << 7 << true << 0;
        QTest::newRow("cut inside colour") << QByteArray("\"x\"\r\n9,8") << incomplete << 9 << 0 << true << 0;
        QTest::newRow("empty file") << QByteArray() << incomplete << 0 << 0 << true << 0;
        QTest::newRow("letters for a number") << QByteArray("\"x\"\r\n9,abc,7\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << incomplete << 9 << 0 << true << 0;
        QTest::newRow("bad boolean") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\nja\r\n300\r\n") << incomplete << 1 << 3 << true << 0;
        QTest::newRow("bad width") << QByteArray("\"x\"\r\n1,2,3\r\n#TRUE#\r\n#FALSE#\r\nbreed\r\n") << incomplete << 1 << 3 << false << 0;
        // Values are not judged here: the window decides what it can take.
        QTest::newRow("colour 300 reads") << QByteArray("\"x\"\r\n300,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << complete << 300 << 0 << true << 0;
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        SettingsRecord record;
        QCOMPARE(int(parseSettings(bytes, record)), result);
        QTEST(record.red, "red");
        QTEST(record.blue, "blue");
        QTEST(record.soundOn, "soundOn");
        QTEST(record.canvasExtraWidth, "width");
    }

    // Whatever was read, the file written at exit must read back to the values it
    // was written from, or it would change a little at every run.
    void writtenFileReadsBackAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reserved");
        QTest::newRow("quote inside an unquoted text")
            << QByteArray("\xd4Rimbano\"\n12,34,56\n#TRUE#\n#FALSE#\n300\n") << QStringLiteral("\u00d4Rimbano");
        QTest::newRow("quotes only") << QByteArray("a\"\"b\r\n1,2,3\r\n0\r\n-1\r\n0\r\n") << QStringLiteral("ab");
        QTest::newRow("line ends and commas inside quotes")
            << QByteArray("\"Huis,\r\nschuur\"\r\n1,2,3\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << QStringLiteral("Huis,\r\nschuur");
        QTest::newRow("blanks inside quotes") << QByteArray("\" a \"\r\n1,2,3\r\n") << QStringLiteral(" a ");
    }

    void writtenFileReadsBackAsWritten()
    {
        QFETCH(QByteArray, bytes);
        SettingsRecord read;
        parseSettings(bytes, read);
        const QByteArray written = formatSettings(read);
        SettingsRecord reread;
        QCOMPARE(parseSettings(written, reread), SettingsReadResult::Complete);
        QTEST(reread.reserved, "reserved");
        QCOMPARE(formatSettings(reread), written);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
