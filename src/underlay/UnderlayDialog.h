#pragma once

#include <QDialog>

class QLabel;
class QSlider;
class UnderlayControls;

// Extra > Onderlegger...: a small window beside the drawing that works on the
// paper plan under the floor shown. It stays open while the user draws, so
// the plan can be shifted and the drawing checked in turn.
class UnderlayDialog : public QDialog {
    Q_OBJECT
public:
    UnderlayDialog(UnderlayControls& controls, QWidget* parent = nullptr);

    // Shows the floor shown and its plan; the controls ask for it after every change and floor switch.
    void refresh();

protected:
    void done(int result) override;

private:
    UnderlayControls& m_controls;
    QLabel* m_status = nullptr;
    QSlider* m_strength = nullptr;
};
