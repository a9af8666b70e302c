#include "Named.h"
#include "support/HostilePictures.h"
#include "support/PictureCompare.h"
#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/ShowMenu.h"
#include "drawing/magnifier/Magnifier.h"
#include "editing/IconPanel.h"
#include "image/BmpFile.h"
#include "image/IconFile.h"
#include "image/IconOps.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {
QImage shownIcon(MainWindow& window)
{
    return named<QLabel>(window, QStringLiteral("importedIconImage"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

using Operation = void (*)(QImage&);
} // namespace

Q_DECLARE_METATYPE(Operation)

class TestIconImport : public QObject {
    Q_OBJECT
private slots:
    void importFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("messages");
        const QStringList refused{QStringLiteral("Geen geldig Rimbano icon!")};
        const QImage second = patterned(35, 35);
        QTest::newRow("saved by the icon editor") << "editor.rbn" << QByteArray() << true << QStringList();
        QTest::newRow("24-bit BMP icon") << "trap.rbn" << encodeBmp24(second) << true << QStringList();
        QTest::newRow("PNG of 35 x 35") << "deur.rbn" << encodedPicture(second, "PNG") << true << QStringList();
        QTest::newRow("other name") << "deur.bmp" << encodeBmp24(second) << true << QStringList();
        QTest::newRow("32 x 32") << "klein.rbn" << encodeBmp24(patterned(32, 32)) << false << refused;
        QTest::newRow("35 x 36") << "hoog.rbn" << encodeBmp24(patterned(35, 36)) << false << refused;
        QTest::newRow("36 x 35") << "breed.rbn" << encodedPicture(patterned(36, 35), "PNG") << false << refused;
        QTest::newRow("no picture") << "tekst.rbn" << QByteArray("BM this is not a bitmap at all") << false << QStringList();
        QTest::newRow("cancelled") << "" << QByteArray() << false << QStringList();
    }

    void importFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        TestProgram program;
        const QImage first = patterned(35, 35).mirrored(true, false);
        program.writeFile(QStringLiteral("eerste.rbn"), encodeBmp24(first));
        if (!bytes.isEmpty())
            program.writeFile(name, bytes);
        else if (!name.isEmpty())
            QVERIFY(writeIconFile(patterned(35, 35), program.path(name)));
        MainWindow& window = program.start();
        // The menu entry and the button import alike.
        program.prompts.openAnswers << program.path(QStringLiteral("eerste.rbn"));
        named<QAction>(window, QStringLiteral("importIconAction"))->trigger();
        QCOMPARE(shownIcon(window), first);
        const ToolKind tool = window.plan().toolChoice.current;
        const QString info = named<InfoLabel>(window, QStringLiteral("infoLabel"))->text();

        program.prompts.openAnswers << (name.isEmpty() ? QString() : program.path(name));
        named<QToolButton>(window, QStringLiteral("importIconButton"))->click();
        const QImage expected = accepted ? patterned(35, 35) : first;
        QCOMPARE(shownIcon(window), expected);
        QCOMPARE(window.plan().importedIcon, expected);
        QTEST(program.prompts.messages, "messages");
        QCOMPARE(program.prompts.fileFilters, QStringList(2, QStringLiteral("Rimbano (*.rbn)")));
        // Importing is all it does: no tool change, no hint, no sound.
        QCOMPARE(window.plan().toolChoice.current, tool);
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), info);
        QVERIFY(program.sound.played.isEmpty());
    }

    void chooseThenTurn_data()
    {
        // The turns themselves are checked pixel by pixel with the icon operations.
        QTest::addColumn<bool>("imported");
        QTest::addColumn<QString>("button"); // empty: only the icon is clicked
        QTest::addColumn<Operation>("operation");
        QTest::newRow("choose before import") << false << "" << Operation(nullptr);
        QTest::newRow("turn before import") << false << "rotateIconButton" << Operation(nullptr);
        QTest::newRow("mirror before import") << false << "mirrorIconButton" << Operation(nullptr);
        QTest::newRow("choose, then turn") << true << "rotateIconButton" << Operation(rotateIconClockwise);
        QTest::newRow("choose, then mirror") << true << "mirrorIconButton" << Operation(mirrorIcon);
    }

    void chooseThenTurn()
    {
        QFETCH(bool, imported);
        QFETCH(QString, button);
        QFETCH(Operation, operation);
        TestProgram program;
        QImage icon = patterned(35, 35);
        program.writeFile(QStringLiteral("a.rbn"), encodeBmp24(icon));
        MainWindow& window = program.start();
        window.plan().toolChoice.current = ToolKind::Walls;
        IconPanel* panel = named<IconPanel>(window, QStringLiteral("importedIconPanel"));
        const Overlays& overlays = window.plan().floor(1).overlays;
        if (!imported) {
            if (button.isEmpty())
                QTest::mouseClick(named<QLabel>(panel, QStringLiteral("importedIconImage")), Qt::LeftButton);
            else
                panel->findChild<QToolButton*>(button)->click();
            QCOMPARE(window.plan().toolChoice.current, ToolKind::Walls);
            QCOMPARE(window.findChild<ShowMenu*>()->magnifier().shift(), 0);
            QVERIFY(window.plan().importedIcon.isNull());
            QVERIFY(!overlays.cursorImageVisible);
            QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Eerst een icon importeren (File > Import Icons)."));
            // Shown as a warning.
            QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->palette().color(QPalette::WindowText), QColor(220, 0, 0));
            return;
        }
        program.prompts.openAnswers << program.path(QStringLiteral("a.rbn"));
        named<QToolButton>(panel, QStringLiteral("importIconButton"))->click();
        QTest::mouseClick(named<QLabel>(panel, QStringLiteral("importedIconImage")), Qt::LeftButton);
        QCOMPARE(window.plan().toolChoice.current, ToolKind::ImportedIcon);
        QCOMPARE(window.findChild<ShowMenu*>()->magnifier().shift(), 34);
        QVERIFY(overlays.cursorImageVisible);
        QCOMPARE(overlays.cursorImage, icon);
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Plaats nu het gekozen icon op het tekenveld."));

        // Turning afterwards changes the icon at once, but the pointer keeps the old picture.
        panel->findChild<QToolButton*>(button)->click();
        QCOMPARE(overlays.cursorImage, icon);
        operation(icon);
        QCOMPARE(window.plan().importedIcon, icon);
        QCOMPARE(shownIcon(window), icon);
        QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Klik vervolgens op het linker-icon voor plaatsing op het tekenveld."));
        QVERIFY(!window.plan().history().canUndo());
        QVERIFY(program.sound.played.isEmpty());
    }
};

QTEST_MAIN(TestIconImport)
#include "tst_iconimport.moc"
