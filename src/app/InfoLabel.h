#pragma once

#include "core/InfoLine.h"

#include <QLabel>

class InfoLabel : public QLabel, public InfoLine {
public:
    explicit InfoLabel(QWidget* parent = nullptr);
    void showInfoText(const QString& message) override;
};
