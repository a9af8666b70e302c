#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

// The imported-icon panel: the icon itself, the buttons that mirror and turn
// it, and the import button.
class IconPanel : public QFrame {
    Q_OBJECT
public:
    explicit IconPanel(QWidget* parent);

    QLabel* iconImage() const { return m_icon; }
    QToolButton* mirrorButton() const { return m_mirror; }
    QToolButton* rotateButton() const { return m_rotate; }
    QToolButton* importButton() const { return m_import; }

signals:
    void iconClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_icon = nullptr;
    QToolButton* m_mirror = nullptr;
    QToolButton* m_rotate = nullptr;
    QToolButton* m_import = nullptr;
};
