#include "drawing/ScaleDialog.h"

#include "core/Prompts.h"
#include "plan/PlanScale.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ScaleDialog::ScaleDialog(int centimetresPerPixel, const GridSettings& grid, Prompts& prompts, QWidget* parent,
                         const QString& note)
    : QDialog(parent)
    , m_prompts(prompts)
    , m_grid(grid)
{
    setWindowTitle(QStringLiteral(" Schaal"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("1 pixel ="), this));
    m_spin = new QSpinBox(this);
    m_spin->setRange(0, PlanScale::MaxCentimetresPerPixel);
    m_spin->setSpecialValueText(QStringLiteral("uit"));
    m_spin->setSuffix(QStringLiteral(" cm"));
    m_spin->setValue(centimetresPerPixel);
    row->addWidget(m_spin);

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(new QLabel(QStringLiteral("Raster: elke"), this));
    m_gridSpin = new QSpinBox(this);
    gridRow->addWidget(m_gridSpin);
    showGridUnit(centimetresPerPixel > 0);
    // The spacing follows the scale's unit as the user switches the scale on or off.
    connect(m_spin, &QSpinBox::valueChanged, this, [this](int value) { showGridUnit(value > 0); });

    auto* hint = new QLabel(QStringLiteral("Met een schaal tonen de coördinaten, maatpijlen,\r\n"
                                           "rechthoeken en het vullen ook meters."),
                            this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ScaleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(gridRow);
    layout->addWidget(hint);
    if (!note.isEmpty())
        layout->addWidget(new QLabel(note, this));
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

int ScaleDialog::centimetresPerPixel() const
{
    return m_spin->value();
}

void ScaleDialog::showGridUnit(bool centimetres)
{
    if (m_gridShown) {
        if (centimetres == m_gridInCentimetres)
            return;
        // Keep what was typed in the old unit for when the user switches back.
        m_grid = grid();
    }
    m_gridShown = true;
    m_gridInCentimetres = centimetres;
    if (centimetres) {
        m_gridSpin->setRange(1, GridSettings::MaxCentimetres);
        m_gridSpin->setSuffix(QStringLiteral(" cm"));
        m_gridSpin->setValue(m_grid.spacingCentimetres);
    } else {
        // A finer grid can be typed, so OK can say why it is refused.
        m_gridSpin->setRange(1, GridSettings::MaxPixels);
        m_gridSpin->setSuffix(QStringLiteral(" pixels"));
        m_gridSpin->setValue(m_grid.spacingPixels);
    }
}

GridSettings ScaleDialog::grid() const
{
    GridSettings chosen = m_grid;
    (m_gridInCentimetres ? chosen.spacingCentimetres : chosen.spacingPixels) = m_gridSpin->value();
    return chosen;
}

void ScaleDialog::accept()
{
    PlanScale scale;
    scale.set(centimetresPerPixel());
    if (grid().pixels(scale) >= GridSettings::MinPixels) {
        QDialog::accept();
        return;
    }
    QString text = QStringLiteral("De rasterlijnen moeten minstens 2 pixels uit elkaar liggen");
    if (scale.isOn())
        text += QStringLiteral("; kies bij ") + QString::number(scale.centimetresPerPixel())
            + QStringLiteral(" cm per pixel minstens ")
            + QString::number(GridSettings::MinPixels * scale.centimetresPerPixel()) + QStringLiteral(" cm");
    m_prompts.message(text + QLatin1Char('.'));
}
