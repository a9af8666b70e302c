#pragma once

#include "image/Twips.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QWidget>

// Places a control at its designed position, given in twips relative to its parent.
inline void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

// Places a control whose size the design leaves to its content.
inline void placeTwips(QWidget* widget, int left, int top)
{
    widget->adjustSize();
    widget->move(px(left), px(top));
}

// A frame as a panel: a plain box border and no caption.
inline QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

// A label used only as a coloured background behind other controls.
inline QLabel* makeBackdrop(QWidget* parent, const char* name, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    label->setPalette(pal);
    return label;
}

inline void setBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    widget->setPalette(pal);
}

inline void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

// The dark blue the panels use behind their buttons and bars.
inline const QColor PanelBackdrop(0, 0, 64);
