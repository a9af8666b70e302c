#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSize>

class PlanScale;

// The drawing grid: whether it is shown, whether drawing points are pulled onto
// it, and how far apart its lines are. Both switches start off, so a user who
// never asks for the grid draws exactly as without it.
struct GridSettings {
    static constexpr int DefaultCentimetres = 100;
    static constexpr int DefaultPixels = 10;
    static constexpr int MaxCentimetres = 10000;
    static constexpr int MinPixels = 2;
    static constexpr int MaxPixels = 455;

    bool shown = false;
    bool snap = false;
    // Used while a plan scale is on, so the grid counts metres.
    int spacingCentimetres = DefaultCentimetres;
    // Used without a scale.
    int spacingPixels = DefaultPixels;

    // Canvas pixels between two grid lines as set, at `scale`.
    double pixels(const PlanScale& scale) const;
    // The same, never below MinPixels, where the grid would cover the floor in
    // grey; only a hand-edited scale file asks for less.
    double spacing(const PlanScale& scale) const;

    // The grid point nearest to `at` that lies on a canvas of `canvas`: on the
    // lines the canvas shows, or on its last column or row where no line falls,
    // so a snapped point never leaves the canvas.
    static QPointF nearest(QPointF at, double spacing, QSize canvas);

    // The lines kept after the scale in the scale file; a missing or unreadable
    // entry keeps its default.
    void readLines(const QList<QByteArray>& lines);
    QByteArray lines() const;
};
