#include "editing/FloorFlip.h"

#include "core/AppContext.h"
#include "floors/CanvasWidget.h"
#include "floors/Floors.h"

FloorFlip::FloorFlip(AppContext& context, Floors& floors, std::array<CanvasWidget*, 3> canvases)
    : m_context(context)
    , m_floors(floors)
    , m_canvases(canvases)
{
}

void FloorFlip::EditFlip(int k)
{
    m_context.playSound(QStringLiteral("zoef.wav"));
    if (k == 1)
        FlipHorizontaal();
    else if (k == 2)
        FlipVertikaal();
    m_canvases[size_t(m_context.state.CurrentFloor - 1)]->update();
}

void FloorFlip::FlipHorizontaal()
{
    QImage& image = m_floors.floor(m_context.state.CurrentFloor).image;
    image = image.mirrored(true, false);
}

void FloorFlip::FlipVertikaal()
{
    QImage& image = m_floors.floor(m_context.state.CurrentFloor).image;
    image = image.mirrored(false, true);
}
