#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The first window of the program: its picture, the welcome text with the
// version, the maker's notice and "Ok", which hands over to the main window.
class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(const QString& versionText, QWidget* parent = nullptr);


    // The welcome text as it was assembled, CR LF line ends included.
    const QString& welcomeTextAsBuilt() const { return m_answer; }

signals:
    void okChosen();

private:
    QString m_answer;
    QFrame* m_frame = nullptr;
    QLabel* m_backlogo = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_welcome = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_ok = nullptr;
};
