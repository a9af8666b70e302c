#pragma once

// Shared by the drawing tests: a pointer engine on three real floors without
// any window (the program's fixture, never started), and tiny pictures written
// as rows of characters.

#include "PictureCompare.h"
#include "TestProgram.h"
#include "drawing/PointerEngine.h"
#include "drawing/tools/DrawingTools.h"
#include "plan/Plan.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <algorithm>
#include <map>

// One character per pixel colour in the pictures the tests draw.
inline const std::map<QChar, QRgb>& pixelArtColours()
{
    static const std::map<QChar, QRgb> colours{
        {QLatin1Char('.'), qRgb(255, 255, 255)}, {QLatin1Char('#'), qRgb(0, 0, 0)},
        {QLatin1Char('r'), qRgb(255, 0, 0)},     {QLatin1Char('b'), qRgb(0, 0, 255)},
        {QLatin1Char('k'), qRgb(2, 2, 2)},       {QLatin1Char('n'), qRgb(1, 0, 2)},
        {QLatin1Char('g'), qRgb(3, 3, 3)},
        {QLatin1Char('m'), qRgb(64, 128, 192)},  {QLatin1Char('M'), qRgb(191, 127, 63)},
    };
    return colours;
}

inline QImage pixelArt(const QStringList& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixel(x, y, pixelArtColours().at(rows[y][x]));
    }
    return image;
}

// Pixels of a colour without a character show as '?', so a wrong colour
// stands out in the comparison.
inline QStringList pixelArtOf(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            QChar c = QLatin1Char('?');
            for (const auto& [key, colour] : pixelArtColours()) {
                if (colour == (image.pixel(x, y) | 0xFF000000u))
                    c = key;
            }
            row += c;
        }
        rows << row;
    }
    return rows;
}

// Every pixel of `image` that is not white, in row order.
inline QList<QPoint> inkedPixels(const QImage& image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu)
                points << QPoint(x, y);
        }
    }
    return points;
}

// The smallest rectangle holding every pixel of `image` that is not white; empty when all is white.
inline QRect inkedArea(const QImage& image)
{
    QRect area;
    for (const QPoint& p : inkedPixels(image))
        area |= QRect(p, QSize(1, 1));
    return area;
}

struct PointerRig : TestProgram {
    Plan plan{350};
    PointerEngine engine{context, plan};

    PointerRig() { registerDrawingTools(engine); }

    QImage& image(int floor = 1) { return plan.floor(floor).image; }

    QRegion press(double x, double y, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        return engine.press(plan.currentFloor(), buttons, QPointF(x, y));
    }
    QRegion move(double x, double y, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        return engine.move(plan.currentFloor(), buttons, QPointF(x, y));
    }
    QRegion release(double x, double y, Qt::MouseButtons button = Qt::LeftButton)
    {
        return engine.release(plan.currentFloor(), button, QPointF(x, y));
    }
    // A whole left-button drag: press, the moves in order, release at the last point.
    void drag(QPoint from, const QList<QPoint>& moves)
    {
        press(from.x(), from.y());
        for (QPoint p : moves)
            move(p.x(), p.y());
        const QPoint end = moves.isEmpty() ? from : moves.last();
        release(end.x(), end.y());
    }
};

// The pixels of axis-parallel runs, for writing down expected shapes.
struct PixelSet {
    QList<QPoint> points;

    PixelSet& row(int y, int x0, int x1)
    {
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            add(QPoint(x, y));
        return *this;
    }
    PixelSet& column(int x, int y0, int y1)
    {
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
            add(QPoint(x, y));
        return *this;
    }
    void add(QPoint p)
    {
        if (!points.contains(p))
            points << p;
    }
    // In row order, as inkedPixels lists them.
    QList<QPoint> sorted() const
    {
        QList<QPoint> result = points;
        std::sort(result.begin(), result.end(),
                  [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
        return result;
    }
};
