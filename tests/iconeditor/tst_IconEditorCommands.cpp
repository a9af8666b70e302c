#include "Named.h"
#include "iconeditor/IconDesign.h"
#include "image/BmpFile.h"
#include "image/IconOps.h"
#include "image/PictureReader.h"
#include "support/HostilePictures.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {
const QString BorderPrompt = QStringLiteral("Geef de lengte van de rechthoek (0..17)\r\nwaarvan 0 het kleinst is en 17 het grootst.");
const QString CirclePrompt = QStringLiteral("Geef de diameter van de circel (1..17)\r\nwaarvan 1 het kleinst is en 17 het grootst.");

struct Fixture {
    TestProgram program;
    IconDesign design{program.context};
    IconEditor& editor = design.editor();
    ScriptedPrompts& prompts = program.prompts;

    void click(int button) { named<QToolButton>(design, QStringLiteral("iconEditorButton"), button)->click(); }
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
    // Every button but the size questions, files and colour picker; New and Fill ask first.
    void buttons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<Operation>("operation");
        const QString newIcon = QStringLiteral(" Nieuw|Wilt u een nieuw Icon ontwerpen ? ");
        const QString fill = QStringLiteral(" Fill|Wilt u het Icon vullen met de vulkleur? ");
        const Operation unchanged = [](QImage&) {};
        QTest::newRow("Rotate") << 5 << false << "" << Operation(rotateIconClockwise);
        QTest::newRow("Mirror") << 6 << false << "" << Operation(mirrorIcon);
        QTest::newRow("Left") << 8 << false << "" << Operation(shiftIconLeft);
        QTest::newRow("Right") << 9 << false << "" << Operation(shiftIconRight);
        QTest::newRow("Up") << 10 << false << "" << Operation(shiftIconUp);
        QTest::newRow("Down") << 11 << false << "" << Operation(shiftIconDown);
        QTest::newRow("Negative") << 12 << false << "" << Operation(negateIcon);
        QTest::newRow("New, Yes") << 1 << true << newIcon << Operation([](QImage& icon) { icon.fill(Qt::white); });
        QTest::newRow("New, No") << 1 << false << newIcon << unchanged;
        QTest::newRow("Fill, Yes") << 7 << true << fill << Operation([](QImage& icon) { icon.fill(qRgb(0, 90, 0)); });
        QTest::newRow("Fill, No") << 7 << false << fill << unchanged;
    }

    void buttons()
    {
        QFETCH(int, button);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(Operation, operation);
        Fixture f;
        f.editor.setIcon(sampleIcon());
        f.editor.setCaption(QStringLiteral(" 35 x 35 Design / old.rbn"));
        f.editor.setDrawingColour(qRgb(0, 90, 0));
        if (!question.isEmpty())
            f.prompts.yesNoAnswers << yes;
        f.click(button);
        QImage expected = sampleIcon();
        operation(expected);
        QCOMPARE(f.editor.icon(), expected);
        QCOMPARE(f.editor.tool(), button);
        verifyGridShowsIcon(f.editor);
        QCOMPARE(named<QLabel>(f.design, QStringLiteral("originalIcon"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(f.prompts.questions, question.isEmpty() ? QStringList() : QStringList{question});
        // Only a new icon loses the file name.
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design") + (button == 1 && yes ? "" : " / old.rbn"));
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
        QTest::newRow("Border cancelled") << 4 << std::optional<QString>() << BorderPrompt << "" << 0;
        QTest::newRow("Circle 0") << 13 << std::optional<QString>("0") << CirclePrompt << "Only numbers between 1..17" << 0;
        QTest::newRow("Circle 2.5") << 13 << std::optional<QString>("2.5") << CirclePrompt << "" << 0;
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

    // Names are used exactly as typed; a failed save says so and writes nothing.
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::newRow("rbn") << "house.rbn" << true;
        QTest::newRow("no extension added") << "zonder extensie" << true;
        QTest::newRow("a folder of that name") << "iconen" << false;
        QTest::newRow("cancelled") << "" << false;
    }

    void save()
    {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        Fixture f;
        QDir(f.program.folder()).mkpath("iconen");
        f.editor.setIcon(sampleIcon());
        const QString path = name.isEmpty() ? QString() : f.program.path(name);
        f.prompts.saveAnswers << path;
        f.click(3);
        QCOMPARE(f.prompts.fileFilters, QStringList{"Rimbano .rbn (*.rbn)"});
        const bool refused = !saved && !name.isEmpty();
        QCOMPARE(f.prompts.messages, refused ? QStringList{"Het icon kan niet worden opgeslagen als " + path} : QStringList());
        // What the import reads: exactly 35 x 35 and the same pixels.
        QCOMPARE(readPicture(path).value_or(QImage()), saved ? sampleIcon() : QImage());
        QCOMPARE(QDir(f.program.folder()).entryList(QDir::Files), saved ? QStringList{name} : QStringList());
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design"));
    }

    // A file that is no picture, or a cancelled choice, loads nothing without a word.
    void load_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QImage>("loaded");
        // A 32 x 32 Windows icon fills the top left; its transparent part and the rest are white.
        QImage ico(32, 32, QImage::Format_ARGB32);
        ico.fill(qRgba(0, 0, 0, 0));
        QImage fromIco = blankIcon();
        for (QImage* image : {&ico, &fromIco}) {
            image->setPixel(0, 0, qRgb(200, 0, 0));
            image->setPixel(31, 31, qRgb(0, 0, 200));
        }
        const QByteArray icoBytes = encodedPicture(ico, "ico");
        QTest::newRow("rbn") << "house.rbn" << encodeBmp24(sampleIcon()) << sampleIcon();
        QTest::newRow("small Windows icon") << "small.ico" << icoBytes << fromIco;
        QTest::newRow("no picture") << "broken.rbn" << QByteArray("BM this is no picture") << QImage();
        QTest::newRow("cancelled") << "" << QByteArray() << QImage();
    }

    void load()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QImage, loaded);
        Fixture f;
        QImage before = sampleIcon();
        negateIcon(before);
        f.editor.setIcon(before);
        if (!name.isEmpty())
            f.program.writeFile(name, bytes);
        f.prompts.openAnswers << (name.isEmpty() ? QString() : f.program.path(name));
        f.click(2);
        QCOMPARE(f.prompts.fileFilters, QStringList{"Rimbano .rbn, Window Icons (*.rbn *.ico)"});
        QVERIFY(f.prompts.messages.isEmpty());
        QCOMPARE(f.editor.icon(), loaded.isNull() ? before : loaded);
        verifyGridShowsIcon(f.editor);
        QCOMPARE(f.design.windowTitle(), QStringLiteral(" 35 x 35 Design") + (loaded.isNull() ? "" : " / " + name));
    }
};

QTEST_MAIN(TestIconEditorCommands)
#include "tst_IconEditorCommands.moc"
