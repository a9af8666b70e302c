#pragma once

#include "plan/GridSettings.h"

#include <QDialog>

class Prompts;
class QSpinBox;

// Asks how many centimetres one pixel of the plan stands for, or "uit", and how
// far apart the grid lines are: in centimetres with a scale, else in pixels.
class ScaleDialog : public QDialog {
    Q_OBJECT
public:
    // `note`, when given, says above the buttons why these centimetres are offered.
    ScaleDialog(int centimetresPerPixel, const GridSettings& grid, Prompts& prompts, QWidget* parent = nullptr,
                const QString& note = {});

    int centimetresPerPixel() const;
    QSpinBox* spinBox() const { return m_spin; }
    // The grid with the spacing as chosen; the switches are left as they were.
    GridSettings grid() const;
    QSpinBox* gridSpinBox() const { return m_gridSpin; }

    // OK: a grid finer than GridSettings::MinPixels canvas pixels is refused
    // with a message, and the dialog stays open with the values as typed.
    void accept() override;

private:
    void showGridUnit(bool centimetres);

    QSpinBox* m_spin = nullptr;
    QSpinBox* m_gridSpin = nullptr;
    Prompts& m_prompts;
    GridSettings m_grid;
    bool m_gridInCentimetres = false;
    bool m_gridShown = false;
};
