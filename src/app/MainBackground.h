#pragma once

#include <QWidget>

// The main window's own background, with its three black rules across the top.
class MainBackground : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
