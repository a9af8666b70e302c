#include "Named.h"
#include "support/TestProgram.h"

#include "app/InfoLabel.h"
#include "app/MainWindow.h"
#include "drawing/TextDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
TextDialog* openTextTool(MainWindow& window)
{
    named<QToolButton>(window, QStringLiteral("toolButton"), 5)->click();
    return window.findChild<TextDialog*>();
}

QColor swatchColour(const TextDialog* dialog)
{
    return named<QLabel>(dialog, QStringLiteral("textColourSwatch"))->palette().color(QPalette::Window);
}

// Left edge of palette swatch k.
int swatchLeft(int k)
{
    return 1 + 23 * k;
}
} // namespace

class TestTextDialog : public QObject {
    Q_OBJECT
private slots:
    void transferSetsFontAndColour()
    {
        TestProgram program;
        MainWindow& window = program.start();
        named<QPushButton>(window, QStringLiteral("showFloorButton"), 2)->click();
        const QFont before = window.plan().floor(1).font;
        TextDialog* dialog = openTextTool(window);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(named<QComboBox>(dialog, QStringLiteral("textSizeCombo"))->currentText(), QStringLiteral("10"));
        QCOMPARE(swatchColour(dialog), QColor(0, 64, 64));
        named<QLineEdit>(dialog, QStringLiteral("placedTextEdit"))->setText(QStringLiteral("Hallo"));
        named<QComboBox>(dialog, QStringLiteral("textSizeCombo"))->setCurrentIndex(6);
        named<QCheckBox>(dialog, QStringLiteral("textStyleCheck"), 1)->setChecked(true);
        named<QCheckBox>(dialog, QStringLiteral("textStyleCheck"), 3)->setChecked(true);
        // Real presses on the palette: a swatch's outline is black, its inside its colour.
        auto* palette = dialog->findChild<QWidget*>(QStringLiteral("textColourPalette"));
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(swatchLeft(15), 10));
        QCOMPARE(swatchColour(dialog), QColor(0, 0, 0));
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(swatchLeft(12) + 11, 11));
        QCOMPARE(swatchColour(dialog), QColor(255, 0, 0));
        QTest::mouseClick(named<QPushButton>(dialog, QStringLiteral("transferTextButton")), Qt::LeftButton);
        TestProgram::settle();

        QVERIFY(!window.findChild<TextDialog*>());
        const Floor& floor = window.plan().floor(2);
        QCOMPARE(floor.font.family(), QStringLiteral("Arial"));
        QCOMPARE(floor.font.pointSize(), 14);
        QVERIFY(floor.font.bold());
        QVERIFY(!floor.font.italic());
        QVERIFY(floor.font.underline());
        QCOMPARE(floor.foreColour, qRgb(255, 0, 0));
        QCOMPARE(floor.overlays.text, QStringLiteral("Hallo "));
        QVERIFY(floor.overlays.textVisible);
        QCOMPARE(floor.overlays.textFont, floor.font);
        QCOMPARE(floor.overlays.textColour, QColor(255, 0, 0));
        QCOMPARE(window.plan().toolChoice.current, ToolKind::Text);
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 1)->text(), QStringLiteral("Tekst plaatsen"));
        // The other floors keep their own font and preview.
        QCOMPARE(window.plan().floor(1).font, before);
        QVERIFY(!window.plan().floor(1).overlays.textVisible);
        // Opened again, the dialog starts from its defaults.
        TextDialog* again = openTextTool(window);
        QCOMPARE(named<QComboBox>(again, QStringLiteral("textSizeCombo"))->currentText(), QStringLiteral("10"));
        QVERIFY(!named<QCheckBox>(again, QStringLiteral("textStyleCheck"), 1)->isChecked() && !named<QCheckBox>(again, QStringLiteral("textStyleCheck"), 3)->isChecked());
        QCOMPARE(swatchColour(again), QColor(0, 64, 64));
        QVERIFY(named<QLineEdit>(again, QStringLiteral("placedTextEdit"))->text().isEmpty());
    }

    void closing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byTransfer");
        QTest::addColumn<bool>("keepsTool");
        // A size that would be refused does not matter when there is no text.
        QTest::newRow("Transfer without text") << "" << true << false;
        QTest::newRow("close box without text") << "" << false << false;
        QTest::newRow("close box with text") << "Bad" << false << true;
    }

    void closing()
    {
        QFETCH(QString, text);
        QFETCH(bool, byTransfer);
        QFETCH(bool, keepsTool);
        TestProgram program;
        MainWindow& window = program.start();
        const Floor before = window.plan().floor(1);
        TextDialog* dialog = openTextTool(window);
        named<QLineEdit>(dialog, QStringLiteral("placedTextEdit"))->setText(text);
        named<QComboBox>(dialog, QStringLiteral("textSizeCombo"))->setCurrentText(text.isEmpty() ? QStringLiteral("groot") : QStringLiteral("16"));
        if (byTransfer)
            dialog->transferText();
        else
            dialog->close();
        TestProgram::settle();
        QVERIFY(!window.findChild<TextDialog*>());
        QCOMPARE(window.plan().toolChoice.current, keepsTool ? ToolKind::Text : ToolKind::None);
        const QString heading = keepsTool ? QStringLiteral("Tekst plaatsen") : QStringLiteral("Tools");
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 1)->text(), heading);
        QCOMPARE(named<QLabel>(window, QStringLiteral("toolTitle"), 2)->text(), heading);
        if (!keepsTool)
            QCOMPARE(named<InfoLabel>(window, QStringLiteral("infoLabel"))->text(), QStringLiteral("Informatie..."));
        QVERIFY(program.prompts.messages.isEmpty());
        const Floor& after = window.plan().floor(1);
        QCOMPARE(after.font, before.font);
        QCOMPARE(after.foreColour, before.foreColour);
        QVERIFY(!after.overlays.textVisible);
        QCOMPARE(after.overlays.text, QStringLiteral("Tekst"));
    }

    void typedSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size"); // 0: refused
        QTest::newRow("smallest") << "1" << 1;
        QTest::newRow("largest") << "200" << 200;
        QTest::newRow("blanks round it") << " 36 " << 36;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("too large") << "201" << 0;
        QTest::newRow("trailing letters") << "12pt" << 0;
    }

    void typedSize()
    {
        QFETCH(QString, typed);
        QFETCH(int, size);
        TestProgram program;
        MainWindow& window = program.start();
        TextDialog* dialog = openTextTool(window);
        named<QLineEdit>(dialog, QStringLiteral("placedTextEdit"))->setText(QStringLiteral("Hal"));
        named<QComboBox>(dialog, QStringLiteral("textSizeCombo"))->setCurrentText(typed);
        dialog->transferText();
        TestProgram::settle();
        const Floor& floor = window.plan().floor(1);
        if (size > 0) {
            QVERIFY(program.prompts.messages.isEmpty());
            QVERIFY(!window.findChild<TextDialog*>());
            QCOMPARE(floor.font.pointSize(), size);
            QVERIFY(floor.overlays.textVisible);
        } else {
            QCOMPARE(program.prompts.messages, QStringList{QStringLiteral("Kies een lettergrootte van 1 t/m 200.")});
            QCOMPARE(window.findChild<TextDialog*>(), dialog);
            QVERIFY(dialog->isVisible());
            QVERIFY(!floor.overlays.textVisible);
            QCOMPARE(floor.font.pointSizeF(), 8.25);
            QCOMPARE(window.plan().toolChoice.current, ToolKind::Text);
            // Put right, the same dialog transfers.
            named<QComboBox>(dialog, QStringLiteral("textSizeCombo"))->setCurrentText(QStringLiteral("12"));
            dialog->transferText();
            TestProgram::settle();
            QCOMPARE(floor.font.pointSize(), 12);
        }
    }
};

QTEST_MAIN(TestTextDialog)
#include "tst_textdialog.moc"
