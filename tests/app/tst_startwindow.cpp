#include "Named.h"
#include "app/StartWindow.h"
#include "app/VersionText.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestStartWindow : public QObject {
    Q_OBJECT
private slots:
    void versionText_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        QTest::newRow("large parts, order kept") << "2.10.300.4000" << "2.10.300.4000";
        QTest::newRow("leading zeros dropped") << "01.00.0.06" << "1.0.0.6";
        QTest::newRow("missing parts are zero") << "3.1" << "3.1.0.0";
        QTest::newRow("largest part") << "65535.0.0.1" << "65535.0.0.1";
        QTest::newRow("part too large") << "65536.0.0.1" << "Error";
        QTest::newRow("missing") << "" << "Error";
        QTest::newRow("five parts") << "1.0.0.6.7" << "Error";
        QTest::newRow("not a number") << "1.x.0.6" << "Error";
    }

    void versionText()
    {
        QFETCH(QString, built);
        QTEST(VersionText(built), "expected");
    }

    void welcomeLines_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("versionLine");
        QTest::newRow("known version") << "1.0.0.6" << "Version number 1.0.0.6";
        QTest::newRow("unreadable version") << "" << "Version number Error";
    }

    // The answer ends every line with CR LF; the window shows the same lines,
    // each within its label, and Ok hands over.
    void welcomeLines()
    {
        QFETCH(QString, built);
        StartWindow window(VersionText(built));
        const QString& answer = window.welcomeTextAsBuilt();
        QVERIFY(answer.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(answer.count(QLatin1Char('\n')), answer.count(QStringLiteral("\r\n")));
        const QStringList lines = answer.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Rimbano"));
        QFETCH(QString, versionLine);
        QCOMPARE(lines.mid(lines.size() - 3), QStringList({QString(), "For 32-bit Windows-Development", versionLine}));
        QLabel* welcome = named<QLabel>(window, QStringLiteral("welcomeText"));
        QCOMPARE(welcome->text().split(QLatin1Char('\n')), lines);
        const QFontMetrics metrics(welcome->font());
        for (const QString& line : lines)
            QVERIFY2(welcome->indent() + metrics.horizontalAdvance(line) <= welcome->width(), qPrintable(line));
        QVERIFY(metrics.lineSpacing() * lines.size() <= welcome->height());
        QLabel* notice = named<QLabel>(window, QStringLiteral("noticeText"));
        QVERIFY(!notice->text().isEmpty());
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());

        QSignalSpy spy(&window, &StartWindow::okChosen);
        named<QPushButton>(window, QStringLiteral("startOkButton"))->click();
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
