#pragma once

#include <QDialog>

#include <array>

class Plan;
class PrintJob;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The form " Printen": how many floors, their thumbnails, the page title, the
// date line and the number of copies. Built anew for every opening.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(const Plan& plan, PrintJob& job, QWidget* parent = nullptr);


    static QString helpText();

public slots:
    // Cancel, Escape and the close box; ignored while a page is being printed.
    void reject() override;

private:
    void build();
    void applyFloorCount(int count);
    void setFloorNames(const QString& text);
    void print();
    void scan();

    const Plan& m_plan;
    PrintJob& m_job;
    bool m_printing = false;

    QFrame* m_frame = nullptr;
    QLabel* m_thumbBack = nullptr;
    std::array<QLabel*, 3> m_thumbs{};
    QLineEdit* m_title = nullptr;
    QLabel* m_help = nullptr;
    QCheckBox* m_date = nullptr;
    QLabel* m_scrollBack = nullptr;
    QScrollBar* m_floorCount = nullptr;
    QLabel* m_floorNames = nullptr;
    QComboBox* m_copies = nullptr;
    QLabel* m_copiesCaption = nullptr;
    QLabel* m_buttonBack = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QWidget* m_bar = nullptr;
};
