#pragma once

#include "core/InfoLine.h"

#include <QLabel>

class InfoLabel : public QLabel, public InfoLine {
public:
    explicit InfoLabel(QWidget* parent = nullptr);
    void ShowInfoText(const QString& message) override;
};
