#pragma once

#include <QDialog>

class Plan;
class PlanScale;
class PrintJob;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Extra > "Printen op schaal...": which floor, at which ratio, under which
// title. A plan that does not fit the paper is refused here, before anything
// is printed, with the ratio at which it would fit.
class ScalePrintDialog : public QDialog {
    Q_OBJECT
public:
    ScalePrintDialog(const Plan& plan, int shownFloor, const PlanScale& scale, PrintJob& job,
                     QWidget* parent = nullptr);

    QComboBox* floorChoice() const { return m_floorChoice; }
    QComboBox* ratioChoice() const { return m_ratio; }
    QLineEdit* titleText() const { return m_title; }
    QLabel* messageLabel() const { return m_message; }
    QPushButton* printButton() const { return m_print; }

    // Prints and closes the dialog, or says in it why not.
    void printClicked();

private:
    const Plan& m_floorPictures;
    int m_shownFloor;
    const PlanScale& m_scale;
    PrintJob& m_job;
    QComboBox* m_floorChoice = nullptr;
    QComboBox* m_ratio = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_print = nullptr;
};
