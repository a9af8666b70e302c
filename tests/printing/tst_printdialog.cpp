#include "PrintRig.h"
#include "image/Twips.h"
#include "printing/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
std::unique_ptr<PrintDialog> openDialog(PrintRig& rig)
{
    return std::make_unique<PrintDialog>(rig.floors, rig.commands.job());
}

QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { clearApplicationPointer(); }
    void geometry_data();
    void geometry();
    void texts();
    void colours_data();
    void colours();
    void backdropsShowTheirColour();
    void floorCountStates_data();
    void floorCountStates();
    void hiddenControlsKeepTheirContents();
    void copiesList();
    void enterPrintsNothing();
    void thumbnailsTakenAtOpening();
    void cancelPrintsNothing();
    void refusedCopiesKeepTheDialogOpen();
};

void TestPrintDialog::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designed");
    QTest::newRow("Frame1") << "Frame1" << twips(60, -30, 5460, 3630);
    QTest::newRow("Label1") << "Label1" << twips(120, 210, 1800, 2625);
    QTest::newRow("PrintImg1") << "PrintImg1" << twips(180, 270, 1680, 2505);
    QTest::newRow("PrintImg2") << "PrintImg2" << twips(1890, 270, 1680, 2505);
    QTest::newRow("PrintImg3") << "PrintImg3" << twips(3600, 270, 1680, 2505);
    QTest::newRow("Text1") << "Text1" << twips(2070, 225, 3240, 300);
    QTest::newRow("TekstLabel") << "TekstLabel" << twips(2100, 630, 3150, 2160);
    QTest::newRow("DatumTijd") << "DatumTijd" << twips(2100, 2460, 2100, 315);
    QTest::newRow("Label2") << "Label2" << twips(120, 2910, 1800, 315);
    QTest::newRow("HScroll1") << "HScroll1" << twips(150, 2940, 1740, 255);
    QTest::newRow("Label4") << "Label4" << twips(3510, 3120, 1800, 360);
    QTest::newRow("OkKnop") << "OkKnop" << twips(3540, 3150, 990, 300);
    QTest::newRow("CancelKnop") << "CancelKnop" << twips(4530, 3150, 750, 300);
    // Sized to their contents: only the position and, for the box, the width are fixed.
    QTest::newRow("Label3") << "Label3" << QRect(px(120), px(3300), -1, -1);
    QTest::newRow("Label5") << "Label5" << QRect(px(2790), px(2970), -1, -1);
    QTest::newRow("AantalCombo") << "AantalCombo" << QRect(px(2100), px(2910), px(600), -1);
}

void TestPrintDialog::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, designed);
    PrintRig rig;
    auto dialog = openDialog(rig);
    QCOMPARE(dialog->objectName(), QStringLiteral("Afdrukken"));
    auto* control = dialog->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), designed.topLeft());
    if (designed.width() > 0)
        QCOMPARE(control->width(), designed.width());
    if (designed.height() > 0)
        QCOMPARE(control->height(), designed.height());
    // Everything lies inside the fixed-size form.
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const QRect inForm(control->mapTo(dialog.get(), QPoint(0, 0)), control->size());
    QVERIFY(dialog->rect().adjusted(0, -2, 0, 0).contains(inForm));
}

void TestPrintDialog::texts()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    QCOMPARE(dialog->windowTitle(), QStringLiteral(" Printen"));
    QCOMPARE(dialog->Text1()->text(), QStringLiteral("Titel pagina"));
    QCOMPARE(dialog->DatumTijd()->text(), QStringLiteral("Datum en tijd afdrukken"));
    QVERIFY(!dialog->DatumTijd()->isChecked());
    QCOMPARE(dialog->Label3()->text(), QStringLiteral("Begane grond"));
    QCOMPARE(dialog->Label5()->text(), QStringLiteral("Copy's"));
    QCOMPARE(dialog->OkKnop()->text(), QStringLiteral("Afdrukken"));
    QCOMPARE(dialog->CancelKnop()->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog->TekstLabel()->text(),
             QStringLiteral("Door middel van de scrollbalk kan het aantal plattegronden worden gekozen dat moet worden "
                            "afgedrukt. Bij begane grond en de 1e verdieping worden deze vergroot geprint. Bij begane "
                            "grond, 1e en 2e verdieping worden de plattegronden kleiner afgedrukt.\r\nType de titel van "
                            "de pagina in, selecteer het aantal tekeningen, dan het aantal copy's en druk tenslotte op "
                            "de knop Afdrukken."));
    QVERIFY(dialog->TekstLabel()->wordWrap());
    // The whole help text ends above the date check box that lies over the label.
    QLabel* help = dialog->TekstLabel();
    QVERIFY(help->heightForWidth(help->width()) <= dialog->DatumTijd()->y() - help->y());
    QCOMPARE(dialog->HScroll1()->minimum(), 1);
    QCOMPARE(dialog->HScroll1()->maximum(), 3);
    QCOMPARE(dialog->HScroll1()->value(), 1);
    QCOMPARE(dialog->HScroll1()->singleStep(), 1);
    QVERIFY(dialog->Bar()->isHidden());
}

void TestPrintDialog::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("title box") << "Text1" << int(QPalette::Base) << QColor(224, 224, 224);
    QTest::newRow("title text") << "Text1" << int(QPalette::Text) << QColor(64, 64, 64);
    QTest::newRow("help back") << "TekstLabel" << int(QPalette::Window) << QColor(224, 224, 224);
    QTest::newRow("help text") << "TekstLabel" << int(QPalette::WindowText) << QColor(80, 90, 120);
    QTest::newRow("date text") << "DatumTijd" << int(QPalette::WindowText) << QColor(64, 64, 64);
    QTest::newRow("copies box") << "AantalCombo" << int(QPalette::Base) << QColor(224, 224, 224);
    QTest::newRow("scroll backdrop") << "Label2" << int(QPalette::Window) << QColor(0, 0, 64);
    QTest::newRow("button backdrop") << "Label4" << int(QPalette::Window) << QColor(0, 0, 64);
    QTest::newRow("scan bar") << "Bar" << int(QPalette::Window) << QColor(128, 128, 128);
}

void TestPrintDialog::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    PrintRig rig;
    auto dialog = openDialog(rig);
    auto* control = dialog->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->palette().color(QPalette::ColorRole(role)), colour);
}

void TestPrintDialog::backdropsShowTheirColour()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    const QImage shot = dialog->grab().toImage();
    const auto at = [&](int xTwips, int yTwips) {
        return QColor(shot.pixel(dialog->Frame1()->mapTo(dialog.get(), QPoint(px(xTwips), px(yTwips)))));
    };
    // Just inside the rim, beside the scroll bar and the buttons in front.
    QCOMPARE(at(120 + 15, 3000), QColor(0, 0, 64));
    QCOMPARE(at(3510 + 15, 3300), QColor(0, 0, 64));
    QCOMPARE(at(5250 - 30, 2400), QColor(224, 224, 224));
}

void TestPrintDialog::floorCountStates_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("third");
    QTest::addColumn<int>("backdropWidth");
    QTest::addColumn<QString>("names");
    QTest::newRow("1") << 1 << false << false << 1800 << "Begane grond";
    QTest::newRow("2") << 2 << true << false << 3510 << "Begane grond en 1e verdieping";
    QTest::newRow("3") << 3 << true << true << 5225 << "Begane grond, 1e en 2e verdieping";
}

void TestPrintDialog::floorCountStates()
{
    QFETCH(int, count);
    QFETCH(bool, second);
    QFETCH(bool, third);
    QFETCH(int, backdropWidth);
    QFETCH(QString, names);
    PrintRig rig;
    auto dialog = openDialog(rig);
    dialog->HScroll1()->setValue(3);
    dialog->HScroll1()->setValue(count);
    QVERIFY(!dialog->PrintImg(1)->isHidden());
    QCOMPARE(!dialog->PrintImg(2)->isHidden(), second);
    QCOMPARE(!dialog->PrintImg(3)->isHidden(), third);
    QCOMPARE(dialog->Label1()->geometry(), twips(120, 210, backdropWidth, 2625));
    QCOMPARE(dialog->Label3()->text(), names);
    QCOMPARE(dialog->Label3()->size(), dialog->Label3()->sizeHint());
    for (QWidget* w : std::initializer_list<QWidget*>{dialog->Text1(), dialog->TekstLabel(), dialog->DatumTijd()})
        QCOMPARE(!w->isHidden(), count == 1);
}

void TestPrintDialog::hiddenControlsKeepTheirContents()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    dialog->Text1()->setText(QStringLiteral("Ons huis"));
    dialog->DatumTijd()->setChecked(true);
    dialog->AantalCombo()->setEditText(QStringLiteral("4"));
    for (int count : {2, 3, 2, 1}) {
        dialog->HScroll1()->setValue(count);
        QCOMPARE(dialog->Text1()->text(), QStringLiteral("Ons huis"));
        QVERIFY(dialog->DatumTijd()->isChecked());
        QCOMPARE(dialog->AantalCombo()->currentText(), QStringLiteral("4"));
    }
    QVERIFY(!dialog->Text1()->isHidden());
    QVERIFY(!dialog->DatumTijd()->isHidden());
}

void TestPrintDialog::copiesList()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    QComboBox* copies = dialog->AantalCombo();
    QVERIFY(copies->isEditable());
    QCOMPARE(copies->count(), 50);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(copies->itemText(i), QString::number(i + 1));
    QCOMPARE(copies->currentText(), QStringLiteral("1"));
}

void TestPrintDialog::enterPrintsNothing()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QLineEdit* typed = dialog->AantalCombo()->lineEdit();
    typed->clear();
    QTest::keyClicks(typed, QStringLiteral("7"));
    QTest::keyClick(typed, Qt::Key_Return);
    QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    // The typed number is not added to the list, and no job started.
    QCOMPARE(dialog->AantalCombo()->count(), 50);
    QCOMPARE(dialog->AantalCombo()->currentText(), QStringLiteral("7"));
    QVERIFY(rig.prompts.questions.isEmpty());
    QVERIFY(dialog->isVisible());
}

void TestPrintDialog::thumbnailsTakenAtOpening()
{
    PrintRig rig;
    rig.floors.floor(3).clear();
    auto dialog = openDialog(rig);
    rig.floors.floor(2).image.fill(Qt::black);
    dialog->HScroll1()->setValue(3);
    for (int f = 1; f <= 3; ++f) {
        // The whole floor stretched over the thumbnail, as it was at opening.
        const QImage shown = dialog->PrintImg(f)->grab().toImage();
        QCOMPARE(shown.size(), twips(0, 0, 1680, 2505).size());
        const QRgb expected = f == 3 ? qRgb(255, 255, 255) : FloorColour[f - 1];
        for (const QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
            QCOMPARE(shown.pixel(corner), expected);
    }
}

void TestPrintDialog::cancelPrintsNothing()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    dialog->show();
    QTest::mouseClick(dialog->CancelKnop(), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(rig.prompts.questions.isEmpty());
    QVERIFY(rig.files().isEmpty());
}

void TestPrintDialog::refusedCopiesKeepTheDialogOpen()
{
    PrintRig rig;
    auto dialog = openDialog(rig);
    dialog->show();
    dialog->AantalCombo()->setEditText(QStringLiteral("veel"));
    QTest::mouseClick(dialog->OkKnop(), Qt::LeftButton);
    QCOMPARE(rig.prompts.messages, QStringList{QStringLiteral("Vul bij Copy's een heel getal van 1 tot en met 999 in.")});
    // Refused before anything else: no PDF offer and no pointer change.
    QVERIFY(rig.prompts.questions.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->OkKnop()->isEnabled());
    QVERIFY(dialog->CancelKnop()->isEnabled());
    QCOMPARE(dialog->Label3()->text(), QStringLiteral("Begane grond"));
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
