#pragma once

#include <QRgb>
#include <QSize>

#include <algorithm>
#include <vector>

// The drawing grid as the canvas shows it: light lines over the floor's white
// pixels, every fifth a little darker so metres can be counted. Like the floor
// below, it is only ever painted on screen and never enters the picture.
class GridOverlay {
public:
    static constexpr QRgb Line = qRgb(218, 228, 244);
    static constexpr QRgb FifthLine = qRgb(170, 190, 228);

    // 0 switches the grid off.
    void setSpacing(double pixels);
    double spacing() const { return m_spacing; }
    bool isOn() const { return m_spacing > 0; }

    // Makes the line tables cover a picture of `size`.
    void fit(QSize size);
    // The grid's colour at a white pixel (x, y); white where no line runs.
    QRgb colourAt(int x, int y) const
    {
        const int kind = std::max(m_columns[size_t(x)], m_rows[size_t(y)]);
        return kind == 2 ? FifthLine : kind == 1 ? Line : qRgb(255, 255, 255);
    }

    // The whole-pixel position of grid line `index`. Lines fall on whole pixels
    // but are counted on the fractional spacing, so metres do not drift.
    static int linePosition(int index, double spacing);

private:
    std::vector<quint8> tableFor(int length) const;

    double m_spacing = 0;
    QSize m_size;
    // Per column and per row: 0 no line, 1 a line, 2 every fifth line.
    std::vector<quint8> m_columns;
    std::vector<quint8> m_rows;
};
