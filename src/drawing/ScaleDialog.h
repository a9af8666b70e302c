#pragma once

#include <QDialog>

class QSpinBox;

// Asks how many centimetres one pixel of the plan stands for, or "uit".
class ScaleDialog : public QDialog {
    Q_OBJECT
public:
    ScaleDialog(int centimetresPerPixel, QWidget* parent = nullptr);

    int centimetresPerPixel() const;
    QSpinBox* spinBox() const { return m_spin; }

private:
    QSpinBox* m_spin = nullptr;
};
