#include "PageProbe.h"
#include "PrintRig.h"
#include "app/MainWindow.h"
#include "image/Twips.h"
#include "printing/PrintDialog.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace PageProbe;

namespace {
// Writes down where the scan line is each time it moves.
class BarWatcher : public QObject {
public:
    QList<QRect> places;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move)
            places << static_cast<QWidget*>(watched)->geometry();
        return false;
    }
};

// Closes the first modal dialog that opens and remembers what it was, so a
// menu command that runs a dialog to its end can be tested without a person.
class ModalCloser : public QObject {
public:
    QString className;
    QString title;
    ModalCloser()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            className = QLatin1String(dialog->metaObject()->className());
            title = dialog->windowTitle();
            m_timer.stop();
            dialog->reject();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};
} // namespace

class TestPrintFlow : public QObject {
    Q_OBJECT
private slots:
    void init() { clearApplicationPointer(); }
    void printFromTheDialog();
    void openingSound_data();
    void openingSound();
    void printSetupFromTheMenu();
};

void TestPrintFlow::printFromTheDialog()
{
    QVERIFY2(rasteriserInstalled(), "pdftoppm (poppler-utils) is needed to read the printed page");
    PrintRig rig;
    const QString pdf = rig.offerPdf(QStringLiteral("huis.pdf"));
    PrintDialog dialog(rig.floors, rig.commands.job());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.Text1()->setText(QStringLiteral("Ons huis"));
    dialog.HScroll1()->setValue(3);
    BarWatcher watcher;
    dialog.Bar()->installEventFilter(&watcher);

    bool okEnabled = true;
    bool cancelEnabled = true;
    bool barShown = false;
    QString namesDuring;
    Qt::CursorShape pointerDuring = Qt::BlankCursor;
    bool openAfterClosing = false;
    QTimer::singleShot(300, &dialog, [&] {
        okEnabled = dialog.OkKnop()->isEnabled();
        cancelEnabled = dialog.CancelKnop()->isEnabled();
        barShown = dialog.Bar()->isVisible();
        namesDuring = dialog.Label3()->text();
        pointerDuring = QGuiApplication::overrideCursor()->shape();
        // Whatever the user tries meanwhile, the dialog stays until the page is out.
        QTest::mouseClick(dialog.CancelKnop(), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        openAfterClosing = dialog.isVisible();
        QTest::mouseClick(dialog.OkKnop(), Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(dialog.OkKnop(), Qt::LeftButton);
    const qint64 took = clock.elapsed();

    QVERIFY(!okEnabled);
    QVERIFY(!cancelEnabled);
    QVERIFY(barShown);
    QCOMPARE(namesDuring, QStringLiteral("Scanning..."));
    QCOMPARE(pointerDuring, Qt::WaitCursor);
    QVERIFY(openAfterClosing);
    QVERIFY2(took >= 1700, qPrintable(QString::number(took)));

    // 85 steps of 2 pixels down over the three thumbnails.
    QCOMPARE(watcher.places.size(), 85);
    for (int step = 0; step < 85; ++step)
        QCOMPARE(watcher.places[step], QRect(px(180), px(270 + 30 * step), px(1695 * 3) + 1, 1));

    QCOMPARE(dialog.Label3()->text(), QStringLiteral("Ready..."));
    QVERIFY(dialog.Bar()->isHidden());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    // One job only, although "Afdrukken" was clicked again during the animation.
    QCOMPARE(rig.prompts.questions.size(), 1);
    QVERIFY(rig.prompts.allAnswersUsed());

    // The hidden title still went onto the page, above three small floors.
    const QList<QImage> pages = rasterise(pdf, 96);
    QCOMPARE(pages.size(), 1);
    const QPointF origin = rig.commands.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft() * 96;
    const QRect title = boundingBox(pages[0], [](QRgb p) { return near(p, qRgb(160, 20, 80), 20); });
    QVERIFY(!title.isEmpty());
    QVERIFY(title.bottom() < origin.y() + 1500 / 15);
    for (int f = 1; f <= 3; ++f)
        QCOMPARE(pages[0].pixel(qRound(origin.x() + (300 + 5250 * (f - 1) + 2625) / 15.0), qRound(origin.y() + 4000 / 15.0)),
                 FloorColour[f - 1]);
}

void TestPrintFlow::openingSound_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void TestPrintFlow::openingSound()
{
    QFETCH(bool, soundOn);
    TestProgram program;
    MainWindow& window = program.start();
    program.state.SoundOn = soundOn;
    QAction* print = window.menus().FilePrint;
    QVERIFY(print->isEnabled());
    QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    ModalCloser closer;
    print->trigger();
    QCOMPARE(closer.className, QStringLiteral("PrintDialog"));
    QCOMPARE(closer.title, QStringLiteral(" Printen"));
    QCOMPARE(program.sound.played,
             soundOn ? QStringList{program.path(QStringLiteral("sounds/space.wav"))} : QStringList());
    QVERIFY(program.prompts.questions.isEmpty());
}

void TestPrintFlow::printSetupFromTheMenu()
{
    TestProgram program;
    MainWindow& window = program.start();
    QAction* setup = window.menus().FileSetupPrinter;
    QVERIFY(setup->isEnabled());
    ModalCloser closer;
    setup->trigger();
    QCOMPARE(closer.className, QStringLiteral("QPageSetupDialog"));
    // Cancelling the set-up says nothing and plays nothing.
    QVERIFY(program.prompts.messages.isEmpty());
    QVERIFY(program.sound.played.isEmpty());
}

QTEST_MAIN(TestPrintFlow)
#include "tst_printflow.moc"
