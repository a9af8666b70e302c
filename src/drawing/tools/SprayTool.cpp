#include "drawing/tools/SprayTool.h"

#include "plan/Floor.h"
#include "image/Primitives.h"

#include <chrono>
#include <random>
#include <utility>

namespace {
double clockSeededRandom()
{
    std::mt19937 generator(quint32(std::chrono::steady_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}
} // namespace

SprayTool::SprayTool(std::function<double()> random)
    : StrokeTool(false)
    , m_random(random ? std::move(random) : clockSeededRandom)
{
}

QRect SprayTool::paintAt(ToolCanvas& canvas, const PointerPoints& points)
{
    const QPointF at = points.current;
    // The same step moves both coordinates, so the dot stays on the diagonal.
    const int step = int(m_random() * 5 + 1);
    Pen pen = canvas.floor.pen;
    pen.invert = false;
    const QPoint dot = pixelAt(at.x() - 5 + step, at.y() - 5 + step);
    return drawPoint(canvas.floor.image, dot, canvas.drawingColour(), pen);
}
