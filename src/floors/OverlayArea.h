#pragma once

#include <QRegion>
#include <QSize>

struct Overlays;

// The canvas pixels each overlay covers as CanvasWidget paints it. Comparing
// the areas before and after a pointer event tells what to repaint, so a
// moving outline costs its own few pixels and not the whole canvas.
struct OverlayArea {
    QRegion cross;
    QRegion layer;
    QRegion gum;
    QRegion cursorImage;
    QRegion text;

    static OverlayArea of(const Overlays& overlays, QSize canvas);
    // Old and new area of every overlay that moved, appeared or went away.
    QRegion changedSince(const OverlayArea& before) const;
};

// The one-pixel outline of `rect`, both edges inside it; empty for an empty rect.
QRegion outlineRegion(const QRect& rect);
