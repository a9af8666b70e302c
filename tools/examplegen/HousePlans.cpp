// The terraced house (ground and first floor) and the bungalow.

#include "PlanSheet.h"
#include "Plans.h"

namespace {
// The terraced house: 5.50 by 9.50 metres, street at the bottom, garden at the top.
constexpr int Left = 88, Top = 64, Right = 261, Bottom = 365;
constexpr int TopWall = Top + 2, BottomWall = Bottom - 2;

constexpr int Inside = PlanSheet::InnerWallInset;

// Drawn last: openings placed later would cut through them.
void terracedDimensions(PlanSheet& sheet)
{
    sheet.horizontalDimension(Left - 1, Right + 1, 385, QStringLiteral("5,50 m"));
    sheet.verticalDimension(282, Top - 1, Bottom + 1, QStringLiteral("9,50 m"));
    sheet.northAndScale();
}
} // namespace

void drawTerracedGroundFloor(PlanSheet& sheet)
{
    sheet.title(QStringLiteral("Rijtjeshuis - begane grond"));
    sheet.outerWalls(Left, Top, Right, Bottom);
    sheet.innerWall(Left + Inside, 252, Right - Inside, 252); // living room | front rooms
    sheet.innerWall(175, 252, 175, Bottom - Inside);         // hall | kitchen
    sheet.innerWall(Left + Inside, 302, 133, 302);           // toilet
    sheet.innerWall(133, 252, 133, 302);

    sheet.openingInRow(43, 200, TopWall);    // garden door
    sheet.openingInRow(50, 100, TopWall);
    sheet.openingInRow(51, 140, TopWall);
    sheet.openingInRow(41, 138, 252);        // hall -> living room
    sheet.openingInRow(40, 190, 252);        // kitchen -> living room
    sheet.openingInColumn(47, 262, 133);     // toilet, opening into the hall
    sheet.openingInRow(40, 100, BottomWall); // front door
    sheet.openingInRow(50, 200, BottomWall);

    sheet.furnish({{100, 200, room::Living}},
                  {{60, 112, 110}, {62, 205, 160}, {15, 95, 256}, {130, 148, 296}, {130, 148, 326},
                   {25, 225, 256}, {26, 225, 286}, {28, 225, 316}},
                  {{"Woonkamer", 150, 125}, {"Keuken", 182, 290}, {"Toilet", 97, 288}, {"Hal", 136, 305}});
    terracedDimensions(sheet);
}

void drawTerracedFirstFloor(PlanSheet& sheet)
{
    sheet.title(QStringLiteral("Rijtjeshuis - 1e verdieping"));
    sheet.outerWalls(Left, Top, Right, Bottom);
    sheet.innerWall(Left + Inside, 192, Right - Inside, 192); // back bedrooms | landing
    sheet.innerWall(174, Top + Inside, 174, 192);
    sheet.innerWall(Left + Inside, 252, 138, 252);           // landing | front rooms, open to the stairs
    sheet.innerWall(174, 252, Right - Inside, 252);
    sheet.innerWall(135, 252, 135, Bottom - Inside);         // bathroom
    sheet.innerWall(174, 252, 174, Bottom - Inside);         // bedroom 3

    sheet.openingInRow(50, 115, TopWall);
    sheet.openingInRow(51, 200, TopWall);
    sheet.openingInRow(40, 110, 192);        // bedroom 1
    sheet.openingInRow(41, 195, 192);        // bedroom 2
    sheet.openingInColumn(45, 282, 135);     // bathroom
    sheet.openingInColumn(47, 262, 174);     // bedroom 3
    sheet.openingInRow(52, 100, BottomWall);
    sheet.openingInRow(50, 205, BottomWall);

    sheet.furnish({{100, 100, room::Bedroom}, {240, 100, room::Bedroom}, {240, 340, room::Bedroom},
                   {100, 320, room::Bathroom}},
                  {{61, 125, 90}, {61, 205, 90}, {61, 215, 300}, {16, 97, 256}, {17, 97, 326},
                   {130, 148, 296}, {130, 148, 326}},
                  {{"Slaapkamer 1", 98, 150}, {"Slaapkamer 2", 180, 150}, {"Slaapkamer 3", 183, 340},
                   {"Bad", 98, 312}, {"Overloop", 150, 215}});
    terracedDimensions(sheet);
}

void drawBungalow(PlanSheet& sheet)
{
    // 9.50 by 11.00 metres, all rooms on one floor round a hall.
    constexpr int left = 24, top = 50, right = 325, bottom = 399;
    sheet.title(QStringLiteral("Bungalow"));
    sheet.outerWalls(left, top, right, bottom);
    sheet.innerWall(left + Inside, 203, right - Inside, 203); // living room and kitchen | hall
    sheet.innerWall(204, top + Inside, 204, 203);
    sheet.innerWall(left + Inside, 248, right - Inside, 248); // hall | bedrooms and bathroom
    sheet.innerWall(134, 248, 134, bottom - Inside);
    sheet.innerWall(204, 248, 204, bottom - Inside);

    sheet.openingInColumn(47, 210, left + 2); // front door
    sheet.openingInRow(50, 60, top + 2);
    sheet.openingInRow(51, 120, top + 2);
    sheet.openingInRow(50, 250, top + 2);
    sheet.openingInColumn(54, 100, left + 2);
    sheet.openingInColumn(55, 100, right - 2);
    sheet.openingInRow(40, 60, 203);          // living room
    sheet.openingInRow(41, 240, 203);         // kitchen
    sheet.openingInRow(42, 60, 248);          // bedroom 1
    sheet.openingInRow(43, 150, 248);         // bathroom
    sheet.openingInRow(42, 230, 248);         // bedroom 2
    sheet.openingInRow(50, 60, bottom - 2);
    sheet.openingInRow(52, 150, bottom - 2);
    sheet.openingInRow(50, 250, bottom - 2);

    sheet.furnish({{40, 150, room::Living}, {215, 150, room::Kitchen}, {40, 300, room::Bedroom},
                   {300, 300, room::Bedroom}, {195, 340, room::Bathroom}},
                  {{60, 140, 120}, {62, 50, 100}, {25, 288, 58}, {26, 288, 135}, {28, 288, 165},
                   {17, 140, 360}, {15, 170, 300}, {16, 140, 300}, {61, 60, 300}, {61, 250, 300}},
                  {{"Woonkamer", 80, 70}, {"Keuken", 215, 70}, {"Hal", 110, 220}, {"Slaapkamer", 40, 340},
                   {"Badkamer", 140, 335}, {"Slaapkamer", 240, 340}});
    sheet.horizontalDimension(left - 1, right + 1, 412, QStringLiteral("9,50 m"));
    sheet.northAndScale();
}
