#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// What floats above a floor's picture and never enters it: the drawing cross,
// the rectangle rubber band, the eraser outline and the symbol and text previews.
struct Overlays {
    bool crossVisible = false;
    QPoint cross;

    bool layerVisible = false;
    QRect layer;

    bool gumVisible = false;
    QRect gum;

    bool cursorImageVisible = false;
    QImage cursorImage;
    QPoint cursorImageAt;

    bool textVisible = false;
    QString text = QStringLiteral("Tekst");
    QFont textFont;
    QColor textColour = Qt::black;
    QPoint textAt;
};
