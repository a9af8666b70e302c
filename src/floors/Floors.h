#pragma once

#include "floors/Floor.h"

#include <QImage>
#include <QString>

#include <array>

// The three storeys of the drawing with the program's hidden working pictures.
class Floors {
public:
    explicit Floors(int canvasWidth);

    // 1 ground floor, 2 first floor, 3 second floor.
    Floor& floor(int index);
    const Floor& floor(int index) const;

    int canvasWidth() const;
    void setCanvasWidth(int width);

    // Undo snapshot of the last press on a canvas; blank white at start.
    QImage PicTotaal;
    // The program's own copy buffer; blank at start.
    QImage CopyPic;
    // The imported icon; null until the first accepted import.
    QImage IconPic;

    static QString floorName(int index);

private:
    std::array<Floor, 3> m_floors;
};
