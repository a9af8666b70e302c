#include "BenchPictures.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {
constexpr int Cell = 4; // three pixels of corridor, one of wall

// A fixed generator, so every run measures the same maze.
struct Lcg {
    quint32 state = 12345;
    quint32 next() { return state = state * 1664525u + 1013904223u; }
};
} // namespace

QImage whitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage mazePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    const int columns = (width - 1) / Cell;
    const int rows = (height - 1) / Cell;
    auto open = [&](int x, int y, int w, int h) {
        for (int py = y; py < y + h; ++py)
            for (int px = x; px < x + w; ++px)
                image.setPixel(px, py, qRgb(255, 255, 255));
    };
    // Depth-first carving from cell (0, 0).
    std::vector<bool> visited(size_t(columns * rows), false);
    std::vector<int> stack{0};
    visited[0] = true;
    open(1, 1, Cell - 1, Cell - 1);
    Lcg random;
    while (!stack.empty()) {
        const int cell = stack.back();
        const int cx = cell % columns;
        const int cy = cell / columns;
        int choices[4];
        int count = 0;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (int d = 0; d < 4; ++d) {
            const int nx = cx + steps[d][0];
            const int ny = cy + steps[d][1];
            if (nx >= 0 && ny >= 0 && nx < columns && ny < rows && !visited[size_t(ny * columns + nx)])
                choices[count++] = d;
        }
        if (count == 0) {
            stack.pop_back();
            continue;
        }
        const int d = choices[random.next() % quint32(count)];
        const int nx = cx + steps[d][0];
        const int ny = cy + steps[d][1];
        visited[size_t(ny * columns + nx)] = true;
        stack.push_back(ny * columns + nx);
        open(1 + nx * Cell, 1 + ny * Cell, Cell - 1, Cell - 1);
        // The wall between the two cells.
        const int left = std::min(cx, nx);
        const int top = std::min(cy, ny);
        if (steps[d][1] == 0)
            open(1 + left * Cell + Cell - 1, 1 + cy * Cell, 1, Cell - 1);
        else
            open(1 + cx * Cell, 1 + top * Cell + Cell - 1, Cell - 1, 1);
    }
    return image;
}

QImage housePicture(int floor, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 4));
    p.drawRect(20, 20, width - 40, height - 40);
    p.drawLine(20, height / 2, width - 20, height / 2);
    p.fillRect(40 * floor, 60, 120, 90, QColor(255, 255, 170));
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(30, 300, width - 30, 300 + 20 * floor);
    return image;
}
