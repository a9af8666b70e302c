#include "drawing/ScaleDialog.h"

#include "drawing/PlanScale.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ScaleDialog::ScaleDialog(int centimetresPerPixel, QWidget* parent) : QDialog(parent)
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

    auto* hint = new QLabel(QStringLiteral("Met een schaal tonen de coördinaten, maatpijlen,\r\n"
                                           "rechthoeken en het vullen ook meters."),
                            this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

int ScaleDialog::centimetresPerPixel() const
{
    return m_spin->value();
}
