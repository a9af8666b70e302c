#include "plan/GridOverlay.h"

#include <cmath>

void GridOverlay::setSpacing(double pixels)
{
    m_spacing = pixels > 0 ? pixels : 0;
    m_size = QSize();
}

void GridOverlay::fit(QSize size)
{
    if (size == m_size)
        return;
    m_size = size;
    m_columns = tableFor(size.width());
    m_rows = tableFor(size.height());
}

int GridOverlay::linePosition(int index, double spacing)
{
    return int(std::lround(index * spacing));
}

std::vector<quint8> GridOverlay::tableFor(int length) const
{
    std::vector<quint8> table(size_t(std::max(length, 0)), 0);
    if (!isOn())
        return table;
    for (int index = 0;; ++index) {
        const int at = linePosition(index, m_spacing);
        if (at >= length)
            break;
        table[size_t(at)] = index % 5 == 0 ? 2 : 1;
    }
    return table;
}
