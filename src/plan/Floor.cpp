#include "plan/Floor.h"

#include <QPainter>

#include <algorithm>

namespace {
QImage whitePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

void drawAt(QImage& target, int x, const QImage& picture)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, 0, picture);
}

bool isAllWhite(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((row[x] | 0xff000000u) != 0xffffffffu)
                return false;
        }
    }
    return true;
}

void swapPixels(QImage& target, const QRect& area, QImage& pixels)
{
    Q_ASSERT(target.depth() == 32 && pixels.depth() == 32 && pixels.size() == area.size());
    for (int y = 0; y < area.height(); ++y) {
        QRgb* own = reinterpret_cast<QRgb*>(target.scanLine(area.top() + y)) + area.left();
        std::swap_ranges(own, own + area.width(), reinterpret_cast<QRgb*>(pixels.scanLine(y)));
    }
}
} // namespace

Floor::Floor(int width, int height)
    : image(whitePicture(width, height))
    , font(QStringLiteral("Arial"))
{
    font.setPointSizeF(8.25);
}

void Floor::setShownWidth(int width)
{
    if (width == image.width())
        return;
    const QImage whole = wholePicture();
    image = QImage(width, image.height(), QImage::Format_RGB32);
    setWholePicture(whole);
}

bool Floor::hasHiddenDrawing() const
{
    return !m_hidden.isNull() && !isAllWhite(m_hidden);
}

QImage Floor::wholePicture() const
{
    if (m_hidden.isNull())
        return image.copy();
    QImage whole = whitePicture(image.width() + m_hidden.width(), image.height());
    drawAt(whole, 0, image);
    drawAt(whole, image.width(), m_hidden);
    return whole;
}

void Floor::setWholePicture(const QImage& whole)
{
    const int width = image.width();
    QImage shown = whitePicture(width, image.height());
    drawAt(shown, 0, whole);
    image = shown;
    m_hidden = whole.width() > width ? whole.copy(width, 0, whole.width() - width, image.height()) : QImage();
}

void Floor::exchange(const QRect& area, QImage& pixels)
{
    if (area.right() < image.width()) {
        swapPixels(image, area, pixels);
        return;
    }
    QImage whole = wholePicture();
    if (area.right() >= whole.width()) {
        QImage wider = whitePicture(area.right() + 1, whole.height());
        drawAt(wider, 0, whole);
        whole = wider;
    }
    swapPixels(whole, area, pixels);
    setWholePicture(whole);
}

void Floor::clear()
{
    image.fill(Qt::white);
    m_hidden = QImage();
}

void Floor::setPicture(const QImage& picture)
{
    clear();
    drawAt(image, 0, picture);
}

void Floor::mirror(Qt::Orientation orientation)
{
    image = image.mirrored(orientation == Qt::Horizontal, orientation == Qt::Vertical);
    m_hidden = QImage();
}
