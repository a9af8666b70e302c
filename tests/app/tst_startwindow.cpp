#include "app/StartWindow.h"
#include "app/VersionText.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestStartWindow : public QObject {
    Q_OBJECT
private slots:
    void versionText_data();
    void versionText();
    void builtVersion();
    void welcomeLines_data();
    void welcomeLines();
    void layout_data();
    void layout();
    void textsFitTheirLabels();
    void okHandsOver();
};

void TestStartWindow::versionText_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    QTest::newRow("four numbers") << "1.0.0.6" << "1.0.0.6";
    QTest::newRow("large parts, order kept") << "2.10.300.4000" << "2.10.300.4000";
    QTest::newRow("leading zeros dropped") << "01.00.0.06" << "1.0.0.6";
    QTest::newRow("missing parts are zero") << "3.1" << "3.1.0.0";
    QTest::newRow("largest part") << "65535.0.0.1" << "65535.0.0.1";
    QTest::newRow("part too large") << "65536.0.0.1" << "Error";
    QTest::newRow("missing") << "" << "Error";
    QTest::newRow("five parts") << "1.0.0.6.7" << "Error";
    QTest::newRow("not a number") << "1.x.0.6" << "Error";
    QTest::newRow("empty part") << "1..0.6" << "Error";
    QTest::newRow("negative") << "1.-1.0.6" << "Error";
}

void TestStartWindow::versionText()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(VersionText(built), expected);
}

void TestStartWindow::builtVersion()
{
    QCOMPARE(programVersionText(), QStringLiteral("1.0.0.6"));
}

void TestStartWindow::welcomeLines_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("versionLine");
    QTest::newRow("known version") << "1.0.0.6" << "Version number 1.0.0.6";
    QTest::newRow("unreadable version") << "" << "Version number Error";
}

void TestStartWindow::welcomeLines()
{
    QFETCH(QString, built);
    QFETCH(QString, versionLine);
    StartWindow window(VersionText(built));

    const QString& answer = window.Answer();
    QVERIFY(answer.endsWith(QStringLiteral("\r\n")));
    // Every line ends with CR LF, none with a bare LF.
    QCOMPARE(answer.count(QLatin1Char('\n')), answer.count(QStringLiteral("\r\n")));
    const QStringList lines = answer.chopped(2).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() >= 4);
    QCOMPARE(lines.last(), versionLine);
    QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("For 32-bit Windows-Development"));
    QCOMPARE(lines.at(lines.size() - 3), QString());
    QCOMPARE(lines.first(), QStringLiteral("Rimbano"));

    const QStringList shown = window.Label1()->text().split(QLatin1Char('\n'));
    QCOMPARE(shown, lines);
}

void TestStartWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected"); // relative to Frame1
    QTest::addColumn<QColor>("background");
    QTest::newRow("picture backdrop") << "Backlogo" << QRect(8, 14, 105, 104) << QColor(224, 224, 224);
    QTest::newRow("welcome text") << "Label1" << QRect(122, 15, 188, 102) << QColor(Qt::white);
    QTest::newRow("maker's notice") << "Label2" << QRect(9, 125, 251, 50) << QColor(224, 224, 224);
    QTest::newRow("button backdrop") << "Label3" << QRect(264, 146, 42, 24) << QColor(0, 0, 64);
    QTest::newRow("button") << "OkKnop" << QRect(266, 148, 38, 20) << QColor();
}

void TestStartWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QFETCH(QColor, background);
    StartWindow window(VersionText(QStringLiteral("1.0.0.6")));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Welkom"));
    QCOMPARE(window.size(), QSize(322, 176));
    auto* frame = window.findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), QRect(4, -2, 317, 180));
    auto* control = frame->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), expected);
    if (background.isValid()) {
        QVERIFY(control->autoFillBackground());
        QCOMPARE(control->palette().color(QPalette::Window), background);
    }
}

void TestStartWindow::textsFitTheirLabels()
{
    StartWindow window(programVersionText());
    QLabel* welcome = window.Label1();
    QCOMPARE(welcome->font().family(), QStringLiteral("Arial"));
    QCOMPARE(welcome->font().pointSize(), 9);
    QCOMPARE(welcome->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    const QFontMetrics metrics(welcome->font());
    const QStringList lines = welcome->text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        QVERIFY2(welcome->indent() + metrics.horizontalAdvance(line) <= welcome->width(), qPrintable(line));
    QVERIFY(metrics.lineSpacing() * lines.size() <= welcome->height());

    QLabel* notice = window.Label2();
    QVERIFY(notice->font().bold());
    QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QVERIFY(!notice->text().isEmpty());
    QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
}

void TestStartWindow::okHandsOver()
{
    StartWindow window(VersionText(QStringLiteral("1.0.0.6")));
    QCOMPARE(window.OkKnop()->text(), QStringLiteral("Ok"));
    QSignalSpy spy(&window, &StartWindow::okChosen);
    window.OkKnop()->click();
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
