#pragma once

#include "plan/UnderlayPlacement.h"

#include <QImage>
#include <QString>

#include <array>

// A paper plan shown faintly under one floor to trace over. It lives beside
// the floor, never in it: nothing of it reaches the picture, Undo, a file, a
// printout or the recovery copy.
class Underlay {
public:
    static constexpr int DefaultStrength = 40;
    static constexpr int MaxStrength = 100;

    Underlay() { setStrength(DefaultStrength); }

    // What is kept over a restart.
    QString file;
    int page = 1;
    UnderlayPlacement placement;

    bool isChosen() const { return !file.isEmpty(); }
    // Chosen and read: there is something to show.
    bool isShown() const { return !m_picture.isNull(); }

    // The picture as read, `source` being its whole size in its own pixels
    // (the picture itself may have been read smaller).
    void setPicture(const QImage& picture, QSizeF source);
    QSizeF sourceSize() const { return m_source; }
    // Back to nothing chosen.
    void forget();

    // How dark the plan shows, in percent of its own darkness.
    int strength() const { return m_strength; }
    void setStrength(int percent);

    // Lays the plan at its placement and strength onto a white `canvas`-sized
    // picture, which the canvas shows wherever the floor is white. Call after
    // every change; the canvas itself only looks the pixels up.
    void render(QSize canvas);
    const QImage& shown() const { return m_shown; }

private:
    QImage m_picture;
    QSizeF m_source;
    int m_strength = 0;
    // The picture brought down to the size it shows at, so that a plan shown
    // small keeps its thin lines instead of skipping them.
    QImage m_reduced;
    double m_reducedFor = 0.0;
    QImage m_shown;
    // Each channel level as the strength shows it.
    std::array<uchar, 256> m_faintLevels{};
};
