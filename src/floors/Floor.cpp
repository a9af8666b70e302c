#include "floors/Floor.h"

#include <QPainter>

Floor::Floor(int width, int height)
    : image(width, height, QImage::Format_RGB32)
    , font(QStringLiteral("Arial"))
{
    font.setPointSizeF(8.25);
    clear();
}

void Floor::clear()
{
    image.fill(Qt::white);
}

void Floor::setWidth(int width)
{
    if (width == image.width())
        return;
    const QImage old = image;
    image = QImage(width, old.height(), QImage::Format_RGB32);
    setPicture(old);
}

void Floor::setPicture(const QImage& picture)
{
    clear();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}
