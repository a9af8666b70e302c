#include "app/MainWindow.h"
#include "iconeditor/IconDesign.h"
#include "image/IconOps.h"
#include "image/PictureReader.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QImageWriter>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr QRgb White = 0xffffffff;
const QString BorderPrompt = QStringLiteral("Geef de lengte van de rechthoek (0..17)\r\nwaarvan 0 het kleinst is en 17 het grootst.");
const QString CirclePrompt = QStringLiteral("Geef de diameter van de circel (1..17)\r\nwaarvan 1 het kleinst is en 17 het grootst.");

struct Fixture {
    TestProgram program;
    IconDesign design{program.context};
    IconEditor& editor = design.editor();
    ScriptedPrompts& prompts = program.prompts;

    void click(int button) { design.KnopB(button)->click(); }
};

// A small drawing with something in every corner, so turns and shifts show.
QImage sampleIcon()
{
    QImage icon = blankIcon();
    icon.setPixel(0, 0, qRgb(255, 0, 0));
    icon.setPixel(34, 0, qRgb(0, 255, 0));
    icon.setPixel(0, 34, qRgb(0, 0, 255));
    icon.setPixel(20, 5, qRgb(10, 20, 30));
    for (int x = 3; x < 30; ++x)
        icon.setPixel(x, 30, qRgb(x * 8, 100, 200));
    return icon;
}

int countPixels(const QImage& icon, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            count += icon.pixel(x, y) == colour;
    return count;
}

// The grid shows the icon cell for cell.
void verifyGridShowsIcon(const IconEditor& editor)
{
    for (int y = 0; y < IconSide; ++y)
        for (int x = 0; x < IconSide; ++x)
            if (editor.grid().pixel(10 * x + 10, 10 * y + 10) != editor.icon().pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("cell %1,%2 differs from the icon").arg(x).arg(y)));
}

using Operation = void (*)(QImage&);
} // namespace

Q_DECLARE_METATYPE(Operation)

class TestIconEditorCommands : public QObject {
    Q_OBJECT
private slots:
    void pixelButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<Operation>("operation");
        QTest::newRow("Rotate") << 5 << Operation(rotateIconClockwise);
        QTest::newRow("Mirror") << 6 << Operation(mirrorIcon);
        QTest::newRow("Left") << 8 << Operation(shiftIconLeft);
        QTest::newRow("Right") << 9 << Operation(shiftIconRight);
        QTest::newRow("Up") << 10 << Operation(shiftIconUp);
        QTest::newRow("Down") << 11 << Operation(shiftIconDown);
        QTest::newRow("Negative") << 12 << Operation(negateIcon);
    }

    void pixelButtons()
    {
        QFETCH(int, button);
        QFETCH(Operation, operation);
        Fixture f;
        f.editor.setIcon(sampleIcon());
        f.click(button);
        QImage expected = sampleIcon();
        operation(expected);
        QCOMPARE(f.editor.icon(), expected);
        QCOMPARE(f.editor.IconTool(), button);
        verifyGridShowsIcon(f.editor);
        QCOMPARE(f.design.IconOrgineel()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);
        QVERIFY(f.prompts.questions.isEmpty());
    }

    void newAndFill_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QRgb>("everywhere");
        QTest::newRow("New, Yes") << 1 << true << " Nieuw|Wilt u een nieuw Icon ontwerpen ? " << White;
        QTest::newRow("New, No") << 1 << false << " Nieuw|Wilt u een nieuw Icon ontwerpen ? " << QRgb(0);
        QTest::newRow("Fill, Yes") << 7 << true << " Fill|Wilt u het Icon vullen met de vulkleur? " << qRgb(0, 90, 0);
        QTest::newRow("Fill, No") << 7 << false << " Fill|Wilt u het Icon vullen met de vulkleur? " << QRgb(0);
    }

    // A colour of 0 in the rows means the icon is left as it was.
    void newAndFill()
    {
        QFETCH(int, button);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QRgb, everywhere);
        Fixture f;
        f.editor.setIcon(sampleIcon());
        f.editor.setCaption(QStringLiteral(" 35 x 35 Design / old.rbn"));
        f.editor.setDrawingColour(qRgb(0, 90, 0));
        f.prompts.yesNoAnswers << yes;
        f.click(button);
        QCOMPARE(f.prompts.questions, QStringList{question});
        if (everywhere == 0) {
            QCOMPARE(f.editor.icon(), sampleIcon());
        } else {
            QCOMPARE(countPixels(f.editor.icon(), everywhere), IconSide * IconSide);
            QCOMPARE(f.editor.grid().pixel(15, 100), qRgb(190, 190, 190));
            QCOMPARE(f.editor.grid().pixel(2, 270), qRgb(255, 0, 0));
        }
        verifyGridShowsIcon(f.editor);
        const bool renewed = button == 1 && yes;
        QCOMPARE(f.design.windowTitle(), renewed ? QStringLiteral(" 35 x 35 Design") : QStringLiteral(" 35 x 35 Design / old.rbn"));
    }

    void sizeQuestions_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("inked");
        QTest::newRow("Border 0") << 4 << std::optional<QString>("0") << BorderPrompt << "" << 1;
        QTest::newRow("Border 17") << 4 << std::optional<QString>("17") << BorderPrompt << "" << 136;
        QTest::newRow("Border with blanks") << 4 << std::optional<QString>(" 3 ") << BorderPrompt << "" << 24;
        QTest::newRow("Border 18") << 4 << std::optional<QString>("18") << BorderPrompt << "Only numbers between 1..17" << 0;
        QTest::newRow("Border -1") << 4 << std::optional<QString>("-1") << BorderPrompt << "Only numbers between 1..17" << 0;
        QTest::newRow("Border letters") << 4 << std::optional<QString>("abc") << BorderPrompt << "" << 0;
        QTest::newRow("Border empty") << 4 << std::optional<QString>("") << BorderPrompt << "" << 0;
        QTest::newRow("Border cancelled") << 4 << std::optional<QString>() << BorderPrompt << "" << 0;
        QTest::newRow("Circle 0") << 13 << std::optional<QString>("0") << CirclePrompt << "Only numbers between 1..17" << 0;
        QTest::newRow("Circle 18") << 13 << std::optional<QString>("18") << CirclePrompt << "Only numbers between 1..17" << 0;
        QTest::newRow("Circle 2.5") << 13 << std::optional<QString>("2.5") << CirclePrompt << "" << 0;
        QTest::newRow("Circle cancelled") << 13 << std::optional<QString>() << CirclePrompt << "" << 0;
    }

    void sizeQuestions()
    {
        QFETCH(int, button);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, prompt);
        QFETCH(QString, message);
        QFETCH(int, inked);
        Fixture f;
        f.prompts.textAnswers << answer;
        f.click(button);
        QCOMPARE(f.prompts.inputPrompts, QStringList{prompt});
        QCOMPARE(f.prompts.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(countPixels(f.editor.icon(), qRgb(0, 0, 0)), inked);
        verifyGridShowsIcon(f.editor);
    }

    void saveThenLoad()
    {
        Fixture f;
        const QString path = f.program.path("house.rbn");
        f.editor.setIcon(sampleIcon());
        f.prompts.saveAnswers << path;
        f.click(3);
        QCOMPARE(f.prompts.fileFilters, QStringList{"Rimbano .rbn (*.rbn)"});
        QVERIFY(f.prompts.messages.isEmpty());
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design"));

        // What the import reads: exactly 35 x 35 and the same pixels.
        const std::optional<QImage> imported = readPicture(path);
        QVERIFY(imported);
        QCOMPARE(*imported, sampleIcon());

        f.prompts.yesNoAnswers << true;
        f.click(1);
        QCOMPARE(f.editor.icon(), blankIcon());
        f.prompts.openAnswers << path;
        f.click(2);
        QCOMPARE(f.prompts.fileFilters.last(), QStringLiteral("Rimbano .rbn, Window Icons (*.rbn *.ico)"));
        QCOMPARE(f.editor.icon(), sampleIcon());
        verifyGridShowsIcon(f.editor);
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design / house.rbn"));
        QCOMPARE(f.program.state.OpenFileName, path);

        // The name is used exactly as typed: no extension added.
        f.prompts.saveAnswers << f.program.path("zonder extensie");
        f.click(3);
        QCOMPARE(readPicture(f.program.path("zonder extensie")).value_or(QImage()), sampleIcon());
        QVERIFY(!QFileInfo::exists(f.program.path("zonder extensie.rbn")));
    }

    void cancelledDialogsChangeNothing()
    {
        Fixture f;
        f.editor.setIcon(sampleIcon());
        f.click(2);
        f.click(3);
        QVERIFY(f.program.state.OpenFileName.isEmpty());
        // A file that is no picture loads nothing either, without a word.
        f.program.writeFile("broken.rbn", "BM this is no picture");
        f.prompts.openAnswers << f.program.path("broken.rbn");
        f.click(2);
        QCOMPARE(f.prompts.fileFilters.size(), 3);
        QCOMPARE(f.editor.icon(), sampleIcon());
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design"));
        QVERIFY(f.prompts.messages.isEmpty());
        QCOMPARE(QDir(f.program.folder()).entryList(QDir::Files), QStringList{"broken.rbn"});
    }

    void smallWindowsIconFillsTopLeft()
    {
        Fixture f;
        const QString path = f.program.path("small.ico");
        QImage ico(32, 32, QImage::Format_ARGB32);
        ico.fill(qRgba(0, 0, 0, 0));
        for (int i = 0; i < 32; ++i) {
            ico.setPixel(i, 0, qRgb(200, 0, 0));
            ico.setPixel(31, i, qRgb(0, 0, 200));
        }
        QVERIFY(QImageWriter(path, "ico").write(ico));
        f.editor.setIcon(sampleIcon());
        f.prompts.openAnswers << path;
        f.click(2);
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design / small.ico"));
        QCOMPARE(f.editor.icon().pixel(0, 0), qRgb(200, 0, 0));
        QCOMPARE(f.editor.icon().pixel(31, 20), qRgb(0, 0, 200));
        // Outside the 32 x 32 and in its transparent part the icon is white,
        // whatever the editor held before.
        QCOMPARE(countPixels(f.editor.icon(), White), 35 * 35 - 63);
        verifyGridShowsIcon(f.editor);
    }

    void failingSaveSaysSo()
    {
        Fixture f;
        QDir(f.program.folder()).mkpath("iconen");
        const QString target = f.program.path("iconen");
        f.prompts.saveAnswers << target;
        f.click(3);
        QCOMPARE(f.prompts.messages, QStringList{"Het icon kan niet worden opgeslagen als " + target});
        QVERIFY(QFileInfo(target).isDir());

        const QString missing = f.program.path("nergens/icon.rbn");
        f.prompts.saveAnswers << missing;
        f.click(3);
        QCOMPARE(f.prompts.messages.last(), "Het icon kan niet worden opgeslagen als " + missing);
    }

    void menuOpensTheEditor_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("sound on") << true;
        QTest::newRow("sound off") << false;
    }

    void menuOpensTheEditor()
    {
        QFETCH(bool, soundOn);
        TestProgram program;
        MainWindow& window = program.start();
        program.state.SoundOn = soundOn;
        QAction* entry = window.menus().ToolsIconedit;

        QString seenTitle;
        QStringList soundsBefore;
        QTimer::singleShot(0, [&] {
            if (auto* editor = qobject_cast<IconDesign*>(QApplication::activeModalWidget())) {
                seenTitle = editor->windowTitle();
                soundsBefore = program.sound.played;
                editor->reject();
            }
        });
        entry->trigger();
        QCOMPARE(seenTitle, QStringLiteral(" 35 x 35 Design"));
        const QStringList expected = soundOn ? QStringList{program.path("sounds/space.wav")} : QStringList();
        QCOMPARE(soundsBefore, expected);
        QCOMPARE(program.sound.played, expected);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestIconEditorCommands)
#include "tst_IconEditorCommands.moc"
