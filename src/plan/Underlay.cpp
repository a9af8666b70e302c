#include "plan/Underlay.h"

#include <QPainter>

#include <algorithm>

void Underlay::setPicture(const QImage& picture, QSizeF source)
{
    m_picture = picture;
    m_source = source;
    m_reduced = QImage();
    m_reducedFor = 0.0;
}

void Underlay::forget()
{
    *this = Underlay();
}

void Underlay::setStrength(int percent)
{
    m_strength = std::clamp(percent, 0, MaxStrength);
    // Faint: each channel keeps `strength` percent of its distance from white.
    for (int level = 0; level < 256; ++level)
        m_faintLevels[size_t(level)] = uchar(255 - ((255 - level) * m_strength + 50) / 100);
}

void Underlay::render(QSize canvas)
{
    if (!isShown() || canvas.isEmpty()) {
        m_shown = QImage();
        return;
    }
    if (m_shown.size() != canvas)
        m_shown = QImage(canvas, QImage::Format_RGB32);
    m_shown.fill(Qt::white);

    // Picture pixels per source pixel, and what one of them spans on the canvas.
    const double readScale = m_picture.width() / m_source.width();
    const double onCanvas = placement.scale / readScale;
    // Only a picture shown at under half its size loses lines to sampling; the
    // reduced copy is then at most a quarter of it, which bounds the memory.
    if (onCanvas < 0.5) {
        if (m_reducedFor != onCanvas) {
            // Qt's smooth scaling averages the pixels it drops; a transform would only sample them.
            m_reduced = m_picture.scaled(std::max(1, int(m_picture.width() * onCanvas + 0.5)),
                                         std::max(1, int(m_picture.height() * onCanvas + 0.5)),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_reducedFor = onCanvas;
        }
    } else {
        m_reduced = QImage();
        m_reducedFor = 0.0;
    }
    const QImage& drawn = m_reduced.isNull() ? m_picture : m_reduced;

    QPainter painter(&m_shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(placement.transform());
    painter.drawImage(QRectF(QPointF(0, 0), m_source), drawn);
    painter.end();

    for (int y = 0; y < m_shown.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(m_shown.scanLine(y));
        for (int x = 0; x < m_shown.width(); ++x) {
            const QRgb p = row[x];
            row[x] = qRgb(m_faintLevels[size_t(qRed(p))], m_faintLevels[size_t(qGreen(p))],
                          m_faintLevels[size_t(qBlue(p))]);
        }
    }
}
