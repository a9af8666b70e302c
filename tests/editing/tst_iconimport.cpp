#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "editing/IconPanel.h"
#include "floors/Floors.h"
#include "image/BmpFile.h"
#include "image/IconFile.h"
#include "image/IconOps.h"

#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {
QImage pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((7 * x + seed) % 256, (5 * y + seed) % 256, (x ^ y) * 4 % 256));
    }
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage shownIcon(MainWindow& window)
{
    return window.iconPanel()->IconImage()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// Imports `name` from the program folder through the import button.
void importFile(TestProgram& program, const QString& name)
{
    program.prompts.openAnswers << program.path(name);
    program.window().iconPanel()->ImportKnop()->click();
}

using Operation = void (*)(QImage&);

const QString PlaceNow = QStringLiteral("Plaats nu het gekozen icon op het tekenveld.");
const QString ThenClick = QStringLiteral("Klik vervolgens op het linker-icon voor plaatsing op het tekenveld.");
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
        QTest::addColumn<bool>("refusal");
        const QImage second = pattern(35, 35, 90);
        QTest::newRow("saved by the icon editor") << "editor.rbn" << QByteArray() << true << false;
        QTest::newRow("24-bit BMP icon") << "trap.rbn" << encodeBmp24(second) << true << false;
        QTest::newRow("PNG of 35 x 35") << "deur.rbn" << png(second) << true << false;
        QTest::newRow("other name") << "deur.bmp" << encodeBmp24(second) << true << false;
        QTest::newRow("32 x 32") << "klein.rbn" << encodeBmp24(pattern(32, 32, 90)) << false << true;
        QTest::newRow("35 x 36") << "hoog.rbn" << encodeBmp24(pattern(35, 36, 90)) << false << true;
        QTest::newRow("36 x 35") << "breed.rbn" << png(pattern(36, 35, 90)) << false << true;
        QTest::newRow("no picture") << "tekst.rbn" << QByteArray("BM this is not a bitmap at all") << false << false;
        QTest::newRow("header cut short") << "half.rbn" << encodeBmp24(second).left(40) << false << false;
    }

    void importFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QFETCH(bool, refusal);
        TestProgram program;
        const QImage first = pattern(35, 35, 3);
        program.writeFile(QStringLiteral("eerste.rbn"), encodeBmp24(first));
        if (bytes.isEmpty())
            QVERIFY(writeIconFile(pattern(35, 35, 90), program.path(name)));
        else
            program.writeFile(name, bytes);
        MainWindow& window = program.start();
        importFile(program, QStringLiteral("eerste.rbn"));
        QCOMPARE(shownIcon(window), first);
        const quint8 tool = program.state.CurrentTool;
        const QString info = window.infoLabel()->text();

        importFile(program, name);
        const QImage expected = accepted ? pattern(35, 35, 90) : first;
        QCOMPARE(shownIcon(window), expected);
        QCOMPARE(window.floors().IconPic, expected);
        QCOMPARE(program.prompts.messages,
                 refusal ? QStringList{QStringLiteral("Geen geldig Rimbano icon!")} : QStringList{});
        QCOMPARE(program.state.OpenFileName, program.path(name));
        QCOMPARE(program.prompts.fileFilters.last(), QStringLiteral("Rimbano (*.rbn)"));
        // Importing is all it does: no tool change, no hint, no sound.
        QCOMPARE(program.state.CurrentTool, tool);
        QCOMPARE(window.infoLabel()->text(), info);
        QVERIFY(program.sound.played.isEmpty());
    }

    void menuAndButtonAgree()
    {
        TestProgram program;
        program.writeFile(QStringLiteral("a.rbn"), encodeBmp24(pattern(35, 35, 1)));
        program.writeFile(QStringLiteral("b.rbn"), encodeBmp24(pattern(35, 35, 2)));
        MainWindow& window = program.start();
        program.prompts.openAnswers << program.path(QStringLiteral("a.rbn"));
        window.menus().FileImportIcon->trigger();
        QCOMPARE(shownIcon(window), pattern(35, 35, 1));
        importFile(program, QStringLiteral("b.rbn"));
        QCOMPARE(shownIcon(window), pattern(35, 35, 2));

        // Cancel: an empty answer changes nothing, not even the remembered file name.
        window.menus().FileImportIcon->trigger();
        QCOMPARE(shownIcon(window), pattern(35, 35, 2));
        QCOMPARE(program.state.OpenFileName, program.path(QStringLiteral("b.rbn")));
        QCOMPARE(program.prompts.fileFilters.size(), 3);
        QVERIFY(program.prompts.messages.isEmpty());
    }

    void chooseBeforeImportRefused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("IconImage") << "IconImage";
        QTest::newRow("RotateKnop") << "RotateKnop";
        QTest::newRow("MirrorKnop") << "MirrorKnop";
    }

    void chooseBeforeImportRefused()
    {
        QFETCH(QString, control);
        TestProgram program;
        MainWindow& window = program.start();
        program.state.CurrentTool = 12;
        IconPanel* panel = window.iconPanel();
        if (control == QLatin1String("IconImage"))
            QTest::mouseClick(panel->IconImage(), Qt::LeftButton);
        else
            panel->findChild<QToolButton*>(control)->click();
        QCOMPARE(program.state.CurrentTool, quint8(12));
        QCOMPARE(program.state.MagnifierShift, qint16(0));
        QVERIFY(window.floors().IconPic.isNull());
        QVERIFY(!window.floors().floor(1).overlays.cursorImageVisible);
        QCOMPARE(window.infoLabel()->text(), QStringLiteral("Eerst een icon importeren (File > Import Icons)."));
        // Shown as a warning.
        QCOMPARE(window.infoLabel()->palette().color(QPalette::WindowText), QColor(220, 0, 0));
    }

    void chooseIcon()
    {
        TestProgram program;
        program.writeFile(QStringLiteral("a.rbn"), encodeBmp24(pattern(35, 35, 4)));
        MainWindow& window = program.start();
        importFile(program, QStringLiteral("a.rbn"));
        program.state.CurrentFloor = 1;
        QTest::mouseClick(window.iconPanel()->IconImage(), Qt::LeftButton);
        QCOMPARE(window.iconPanel()->IconImage()->frameShape(), QFrame::NoFrame);
        QCOMPARE(program.state.CurrentTool, quint8(30));
        QCOMPARE(program.state.MagnifierShift, qint16(34));
        const Overlays& overlays = window.floors().floor(1).overlays;
        QVERIFY(overlays.cursorImageVisible);
        QCOMPARE(overlays.cursorImage, pattern(35, 35, 4));
        QCOMPARE(window.infoLabel()->text(), PlaceNow);
        QVERIFY(program.sound.played.isEmpty());

        // Turning afterwards changes the icon at once, but the pointer keeps the old picture.
        window.iconPanel()->RotateKnop()->click();
        QCOMPARE(overlays.cursorImage, pattern(35, 35, 4));
        QVERIFY(window.floors().IconPic != pattern(35, 35, 4));
        QCOMPARE(window.infoLabel()->text(), ThenClick);
    }

    void turnAndMirror_data()
    {
        // The turns themselves are checked pixel by pixel with the icon operations.
        QTest::addColumn<QString>("button");
        QTest::addColumn<Operation>("operation");
        QTest::newRow("turn") << "RotateKnop" << Operation(rotateIconClockwise);
        QTest::newRow("mirror") << "MirrorKnop" << Operation(mirrorIcon);
    }

    void turnAndMirror()
    {
        QFETCH(QString, button);
        QFETCH(Operation, operation);
        TestProgram program;
        QImage icon = pattern(35, 35, 7);
        program.writeFile(QStringLiteral("a.rbn"), encodeBmp24(icon));
        MainWindow& window = program.start();
        importFile(program, QStringLiteral("a.rbn"));
        const QImage undo = window.floors().PicTotaal;
        window.iconPanel()->findChild<QToolButton*>(button)->click();
        operation(icon);
        QCOMPARE(window.floors().IconPic, icon);
        QCOMPARE(shownIcon(window), icon);
        QCOMPARE(window.infoLabel()->text(), ThenClick);
        QCOMPARE(window.floors().PicTotaal, undo);
        QVERIFY(program.sound.played.isEmpty());
    }
};

QTEST_MAIN(TestIconImport)
#include "tst_iconimport.moc"
