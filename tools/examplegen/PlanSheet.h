#pragma once

#include "image/PictureLibrary.h"

#include "image/Pen.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <initializer_list>

// One example drawing, put together the way a user draws it in the program:
// outer walls with the rectangle tool's double line, inner walls with the line
// tool, doors and windows placed with the wall under them cleared, symbols
// ANDed onto the plan, rooms filled, names printed, dimensions drawn.
// Coordinates are canvas pixels; one metre is 32 pixels, the size of a symbol.
class PlanSheet {
public:
    static constexpr int Metre = 32;
    // Inner walls end this far inside the outer wall's corner line, so that
    // their round ends stay within the outer wall.
    static constexpr int InnerWallInset = 3;

    explicit PlanSheet(const PictureLibrary& library);

    const QImage& image() const { return m_image; }

    void title(const QString& text);
    // The outer walls: a double line, 7 pixels thick, with the corners as the
    // outer line's centre; rows y0 - 1 .. y0 + 5 form the top wall.
    void outerWalls(int x0, int y0, int x1, int y1);
    // An inner wall, 5 pixels thick, centred on the line from one point to the other.
    void innerWall(int x0, int y0, int x1, int y1);
    // A light partition (cupboards, a shower), 3 pixels thick.
    void partition(int x0, int y0, int x1, int y1);

    // Any line, thin outline or filled block, as the line and rectangle tools draw them.
    void line(int x0, int y0, int x1, int y1, const Pen& pen);
    void box(int x0, int y0, int x1, int y1);
    void block(int x0, int y0, int x1, int y1, QRgb colour);

    // A door or window in a horizontal wall whose centre row is `wallRow`,
    // its opening starting at column `left`.
    void openingInRow(int index, int left, int wallRow);
    // The same in a vertical wall whose centre column is `wallColumn`.
    void openingInColumn(int index, int top, int wallColumn);
    // Any other library symbol with its top-left corner at (left, top).
    void symbol(int index, int left, int top);

    void fillRoom(int x, int y, QRgb colour);
    void label(const QString& text, int x, int y);

    // A floor's rooms in the order every plan draws them: the fills, then the
    // symbols over them, then the names over both.
    struct Fill { int x, y; QRgb colour; };
    struct Symbol { int index, left, top; };
    struct Label { const char* text; int x, y; };
    void furnish(std::initializer_list<Fill> fills, std::initializer_list<Symbol> symbols,
                 std::initializer_list<Label> labels);
    // A dimension line with end ticks and its length in metres written beside it.
    void horizontalDimension(int x0, int x1, int y, const QString& text);
    void verticalDimension(int x, int y0, int y1, const QString& text);
    // North arrow and a one-metre scale bar in the bottom-right corner.
    void northAndScale();

private:
    void placeOpening(int index, int left, int top);

    const PictureLibrary& m_library;
    QImage m_image;
    QFont m_labelFont;
    QFont m_titleFont;
};
