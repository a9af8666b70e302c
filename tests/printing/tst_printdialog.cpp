#include "Named.h"
#include "PageProbe.h"
#include "PrintRig.h"
#include "app/MainWindow.h"
#include "image/Twips.h"
#include "printing/PrintDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void floorCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("names");
        QTest::newRow("1") << 1 << "Begane grond";
        QTest::newRow("2") << 2 << "Begane grond en 1e verdieping";
        QTest::newRow("3") << 3 << "Begane grond, 1e en 2e verdieping";
    }

    // More floors hide the title, help and date controls; fewer show them again
    // with what the user had typed.
    void floorCount()
    {
        QFETCH(int, count);
        QFETCH(QString, names);
        PrintRig rig;
        PrintDialog dialog(rig.plan, rig.commands.job());
        // One control where the form puts it: the scale from twips holds for all.
        QCOMPARE(named<QPushButton>(dialog, QStringLiteral("printOkButton"))->geometry(), QRect(px(3540), px(3150), px(990), px(300)));
        named<QLineEdit>(dialog, QStringLiteral("printTitleEdit"))->setText(QStringLiteral("Ons huis"));
        named<QCheckBox>(dialog, QStringLiteral("printDateCheck"))->setChecked(true);
        named<QComboBox>(dialog, QStringLiteral("copiesCombo"))->setEditText(QStringLiteral("4"));
        named<QScrollBar>(dialog, QStringLiteral("floorCountBar"))->setValue(3);
        named<QScrollBar>(dialog, QStringLiteral("floorCountBar"))->setValue(count);
        for (int f = 1; f <= 3; ++f)
            QCOMPARE(!named<QLabel>(dialog, QStringLiteral("floorThumbnail"), f)->isHidden(), f <= count);
        QCOMPARE(named<QLabel>(dialog, QStringLiteral("printedFloorsLabel"))->text(), names);
        for (QWidget* w : std::initializer_list<QWidget*>{named<QLineEdit>(dialog, QStringLiteral("printTitleEdit")), named<QLabel>(dialog, QStringLiteral("printHelpLabel")), named<QCheckBox>(dialog, QStringLiteral("printDateCheck"))})
            QCOMPARE(!w->isHidden(), count == 1);
        QCOMPARE(named<QLineEdit>(dialog, QStringLiteral("printTitleEdit"))->text(), QStringLiteral("Ons huis"));
        QVERIFY(named<QCheckBox>(dialog, QStringLiteral("printDateCheck"))->isChecked());
        QCOMPARE(named<QComboBox>(dialog, QStringLiteral("copiesCombo"))->currentText(), QStringLiteral("4"));
    }

    void thumbnailsTakenAtOpening()
    {
        PrintRig rig;
        rig.plan.floor(3).clear();
        PrintDialog dialog(rig.plan, rig.commands.job());
        rig.plan.floor(2).image.fill(Qt::black);
        named<QScrollBar>(dialog, QStringLiteral("floorCountBar"))->setValue(3);
        for (int f = 1; f <= 3; ++f) {
            // The whole floor stretched over the thumbnail, as it was at opening.
            const QImage shown = named<QLabel>(dialog, QStringLiteral("floorThumbnail"), f)->grab().toImage();
            QCOMPARE(shown.size(), QSize(px(1680), px(2505)));
            const QRgb expected = f == 3 ? qRgb(255, 255, 255) : FloorColour[f - 1];
            for (const QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
                QCOMPARE(shown.pixel(corner), expected);
        }
    }

    // What the user does before printing: the three ways of closing, Enter in a
    // box, and a number of copies that is no number.
    void printsNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("message");
        QTest::newRow("Cancel") << "Cancel" << false << "";
        QTest::newRow("Escape") << "Escape" << false << "";
        QTest::newRow("close box") << "close box" << false << "";
        QTest::newRow("Enter in the boxes") << "Enter" << true << "";
        QTest::newRow("copies refused") << "veel" << true << "Vul bij Copy's een heel getal van 1 tot en met 999 in.";
    }

    void printsNothing()
    {
        QFETCH(QString, action);
        QFETCH(bool, open);
        QFETCH(QString, message);
        PrintRig rig;
        PrintDialog dialog(rig.plan, rig.commands.job());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* copies = named<QComboBox>(dialog, QStringLiteral("copiesCombo"))->lineEdit();
        if (action == "Cancel") {
            QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("printCancelButton")), Qt::LeftButton);
        } else if (action == "Escape") {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else if (action == "close box") {
            dialog.close();
        } else if (action == "Enter") {
            copies->clear();
            QTest::keyClicks(copies, QStringLiteral("7"));
            QTest::keyClick(copies, Qt::Key_Return);
            QTest::keyClick(named<QLineEdit>(dialog, QStringLiteral("printTitleEdit")), Qt::Key_Return);
            QCOMPARE(named<QComboBox>(dialog, QStringLiteral("copiesCombo"))->currentText(), QStringLiteral("7"));
        } else {
            copies->setText(action);
            QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("printOkButton")), Qt::LeftButton);
        }
        QCOMPARE(dialog.isVisible(), open);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(rig.prompts.messages, message.isEmpty() ? QStringList() : QStringList{message});
        // Refused before anything else: no PDF offer, no pointer change, no scan.
        QVERIFY(rig.prompts.questions.isEmpty());
        QVERIFY(rig.files().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(named<QPushButton>(dialog, QStringLiteral("printOkButton"))->isEnabled() && named<QPushButton>(dialog, QStringLiteral("printCancelButton"))->isEnabled());
        QCOMPARE(named<QLabel>(dialog, QStringLiteral("printedFloorsLabel"))->text(), QStringLiteral("Begane grond"));
        QCOMPARE(named<QComboBox>(dialog, QStringLiteral("copiesCombo"))->count(), 50);
    }

    void printFromTheDialog()
    {
        QVERIFY2(rasteriserInstalled(), "pdftoppm (poppler-utils) is needed to read the printed page");
        PrintRig rig;
        const QString pdf = rig.offerPdf(QStringLiteral("huis.pdf"));
        PrintDialog dialog(rig.plan, rig.commands.job());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        named<QScrollBar>(dialog, QStringLiteral("floorCountBar"))->setValue(3);
        BarWatcher watcher;
        named<QWidget>(dialog, QStringLiteral("printProgressBar"))->installEventFilter(&watcher);

        QStringList during;
        QTimer::singleShot(300, &dialog, [&] {
            during << QString::number(named<QPushButton>(dialog, QStringLiteral("printOkButton"))->isEnabled() || named<QPushButton>(dialog, QStringLiteral("printCancelButton"))->isEnabled())
                   << QString::number(named<QWidget>(dialog, QStringLiteral("printProgressBar"))->isVisible()) << named<QLabel>(dialog, QStringLiteral("printedFloorsLabel"))->text()
                   << QString::number(QGuiApplication::overrideCursor()->shape());
            // Whatever the user tries meanwhile, the dialog stays until the page is out.
            QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("printCancelButton")), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            during << QString::number(dialog.isVisible());
            QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("printOkButton")), Qt::LeftButton);
        });
        QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("printOkButton")), Qt::LeftButton);

        // Buttons off, scan line shown, names replaced, hourglass, still open.
        QCOMPARE(during, (QStringList{"0", "1", "Scanning...", QString::number(Qt::WaitCursor), "1"}));
        // 85 steps of 2 pixels down over the three thumbnails.
        QCOMPARE(watcher.places.size(), 85);
        QCOMPARE(watcher.places.first(), QRect(px(180), px(270), px(1695 * 3) + 1, 1));
        QCOMPARE(watcher.places.last().topLeft(), QPoint(px(180), px(270 + 30 * 84)));
        QCOMPARE(named<QLabel>(dialog, QStringLiteral("printedFloorsLabel"))->text(), QStringLiteral("Ready..."));
        QVERIFY(named<QWidget>(dialog, QStringLiteral("printProgressBar"))->isHidden());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // One job only, although "Afdrukken" was clicked again during the animation.
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY(rig.prompts.allAnswersUsed());
        // After this job and another the pointer is an arrow again, one override for the program.
        rig.offerPdf(QStringLiteral("tweede.pdf"));
        QVERIFY(rig.print(1));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
        // The title, hidden with three floors, still went onto the page.
        const QList<QImage> pages = rasterise(pdf, 96);
        QCOMPARE(pages.size(), 1);
        QVERIFY(!boundingBox(pages[0], [](QRgb p) { return near(p, qRgb(160, 20, 80), 20); }).isEmpty());
    }

    // The menu entries that open a dialog, and the sound each plays before it.
    void menuDialogs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("sound");
        QTest::newRow("print, sound on") << "printAction" << true << "PrintDialog" << true;
        QTest::newRow("print, sound off") << "printAction" << false << "PrintDialog" << false;
        QTest::newRow("printer set-up") << "printerSetupAction" << true << "QPageSetupDialog" << false;
        QTest::newRow("icon editor, sound on") << "iconEditorAction" << true << "IconDesign" << true;
        QTest::newRow("icon editor, sound off") << "iconEditorAction" << false << "IconDesign" << false;
        QTest::newRow("configuration") << "configurationAction" << true << "ConfigDialog" << true;
    }

    void menuDialogs()
    {
        QFETCH(QString, entry);
        QFETCH(bool, soundOn);
        QFETCH(QString, dialog);
        QFETCH(bool, sound);
        TestProgram program;
        MainWindow& window = program.start();
        program.settings.soundOn = soundOn;
        QString opened;
        QStringList soundsBefore;
        // Closes the dialog once it runs, so the command goes to its end without a person.
        QTimer::singleShot(0, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = QLatin1String(modal->metaObject()->className());
                soundsBefore = program.sound.played;
                modal->reject();
            }
        });
        window.findChild<QAction*>(entry)->trigger();
        QCOMPARE(opened, dialog);
        // Cancelling says and plays nothing more.
        const QStringList space = sound ? QStringList{program.path(QStringLiteral("sounds/space.wav"))} : QStringList();
        QCOMPARE(soundsBefore, space);
        QCOMPARE(program.sound.played, space);
        QVERIFY(program.prompts.questions.isEmpty() && program.prompts.messages.isEmpty());
        // Closed, the dialog is gone.
        QVERIFY(!window.findChild<QDialog*>());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
