#include "floors/Floors.h"

#include "image/Twips.h"

#include <QtGlobal>

namespace {
QImage blankPicture(int width)
{
    QImage image(width, CanvasHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

Floors::Floors(int canvasWidth)
    : PicTotaal(blankPicture(canvasWidth))
    , CopyPic(blankPicture(canvasWidth))
    , m_floors{Floor(canvasWidth, CanvasHeight), Floor(canvasWidth, CanvasHeight), Floor(canvasWidth, CanvasHeight)}
{
}

Floor& Floors::floor(int index)
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_floors[size_t(index - 1)];
}

const Floor& Floors::floor(int index) const
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_floors[size_t(index - 1)];
}

int Floors::canvasWidth() const
{
    return m_floors[0].image.width();
}

void Floors::setCanvasWidth(int width)
{
    for (Floor& f : m_floors)
        f.setWidth(width);
}

QString Floors::floorName(int index)
{
    switch (index) {
    case 1: return QStringLiteral("Begane grond");
    case 2: return QStringLiteral("1e verdieping");
    case 3: return QStringLiteral("2e verdieping");
    }
    return {};
}
