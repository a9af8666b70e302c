#include "floors/Floor.h"

#include "image/Twips.h"

#include <QPainter>

#include <algorithm>

namespace {
void drawAtOrigin(QImage& target, const QImage& picture)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}
} // namespace

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
    m_reserve = QImage();
}

void Floor::setWidth(int width)
{
    if (width == image.width())
        return;
    const int reserveWidth = std::max({MaxCanvasWidth, width, image.width()});
    if (m_reserve.width() < reserveWidth) {
        QImage wider(reserveWidth, image.height(), QImage::Format_RGB32);
        wider.fill(Qt::white);
        if (!m_reserve.isNull())
            drawAtOrigin(wider, m_reserve);
        m_reserve = wider;
    }
    drawAtOrigin(m_reserve, image);
    image = m_reserve.copy(0, 0, width, image.height());
}

void Floor::setPicture(const QImage& picture)
{
    image.fill(Qt::white);
    drawAtOrigin(image, picture);
}

void Floor::loadPicture(const QImage& picture)
{
    clear();
    drawAtOrigin(image, picture);
}
