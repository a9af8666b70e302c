#include "drawing/Border.h"

#include "image/Primitives.h"

void toggleBorder(QImage& image, const Pen& pen, QRgb drawingColour)
{
    if (image.isNull())
        return;
    const QRgb white = qRgb(255, 255, 255);
    const bool borderThere = (image.pixel(0, 0) & RGB_MASK) != (white & RGB_MASK);
    // The border is always painted in its colour: a pen left in invert mode
    // would make the next command misread the corner.
    Pen borderPen = pen;
    borderPen.invert = false;
    drawBox(image, QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1),
            borderThere ? white : drawingColour, borderPen);
}
