// The flat, the attic and the garage with its workshop.

#include "PlanSheet.h"
#include "Plans.h"

namespace {
constexpr int Inside = PlanSheet::InnerWallInset;

// An up-and-over door: the wall taken out and the door leaf drawn in its place.
void garageDoor(PlanSheet& sheet, int x0, int x1, int wallRow)
{
    sheet.block(x0, wallRow - 3, x1, wallRow + 3, 0xFFFFFFFF);
    sheet.box(x0 - 2, wallRow - 3, x0, wallRow + 3);
    sheet.box(x1, wallRow - 3, x1 + 2, wallRow + 3);
    sheet.line(x0, wallRow - 1, x1, wallRow - 1, Pen{1, false, false});
    sheet.line(x0, wallRow + 1, x1, wallRow + 1, Pen{1, false, false});
}

// A car seen from above, 1.80 by 4.40 metres, with its wheels.
void car(PlanSheet& sheet, int left, int top)
{
    constexpr int width = 58, length = 141;
    sheet.box(left, top, left + width - 1, top + length - 1);
    sheet.box(left + 6, top + 30, left + width - 7, top + 55);   // windscreen
    sheet.box(left + 6, top + 100, left + width - 7, top + 118); // rear window
    for (int y : {top + 18, top + 104}) {
        sheet.block(left - 3, y, left, y + 20, 0xFF000000);
        sheet.block(left + width - 1, y, left + width + 2, y + 20, 0xFF000000);
    }
}
} // namespace

void drawFlat(PlanSheet& sheet)
{
    // 8.50 by 10.00 metres with a balcony on the garden side.
    constexpr int left = 40, top = 60, right = 309, bottom = 377;
    sheet.title(QStringLiteral("Flat"));
    sheet.outerWalls(left, top, right, bottom);
    sheet.innerWall(left + Inside, 153, 214, 153);           // hall and bathroom | corridor
    sheet.innerWall(134, top + Inside, 134, 153);
    sheet.innerWall(214, top + Inside, 214, 203);
    sheet.innerWall(left + Inside, 203, right - Inside, 203); // corridor and bedroom | living room
    sheet.partition(200, 379, 200, 425); // balcony railing
    sheet.partition(200, 425, 310, 425);
    sheet.partition(310, 425, 310, 379);

    sheet.openingInRow(42, 60, top + 2);     // front door from the gallery
    sheet.openingInRow(52, 160, top + 2);
    sheet.openingInRow(40, 60, 153);         // hall
    sheet.openingInRow(41, 150, 153);        // bathroom
    sheet.openingInColumn(47, 160, 214);     // bedroom
    sheet.openingInRow(42, 80, 203);         // living room
    sheet.openingInColumn(54, 100, right - 2);
    sheet.openingInColumn(55, 260, right - 2);
    sheet.openingInRow(50, 100, bottom - 2);
    sheet.openingInRow(41, 225, bottom - 2); // balcony door

    sheet.furnish({{150, 300, room::Living}, {260, 180, room::Bedroom}, {200, 140, room::Bathroom}},
                  {{17, 140, 70}, {15, 185, 68}, {16, 140, 100}, {61, 245, 90}, {25, 45, 280},
                   {26, 45, 310}, {28, 45, 340}, {60, 150, 270}, {62, 240, 240}},
                  {{"Hal", 95, 100}, {"Gang", 110, 172}, {"Bad", 175, 110}, {"Slaapkamer", 225, 130},
                   {"Woonkamer", 150, 320}, {"Keuken", 80, 290}, {"Balkon", 235, 400}});
    sheet.horizontalDimension(left - 1, right + 1, 42, QStringLiteral("8,50 m"));
    sheet.northAndScale();
}

void drawAttic(PlanSheet& sheet)
{
    // The attic over the terraced house: the long sides are the roof, with a
    // dotted line where the slope is 1.50 metres high.
    constexpr int left = 88, top = 64, right = 261, bottom = 365;
    sheet.title(QStringLiteral("Zolder"));
    sheet.outerWalls(left, top, right, bottom);
    const Pen dotted{1, true, false};
    sheet.line(126, top + 6, 126, bottom - 6, dotted);
    sheet.line(223, top + 6, 223, bottom - 6, dotted);
    sheet.innerWall(left + Inside, 180, right - Inside, 180); // guest room
    sheet.innerWall(left + Inside, 290, right - Inside, 290); // storage

    sheet.openingInColumn(56, 110, left + 2);
    sheet.openingInColumn(56, 110, right - 2);
    sheet.openingInRow(41, 180, 180);
    sheet.openingInRow(42, 140, 290);

    sheet.furnish({{150, 100, room::Bedroom}, {150, 340, room::Storage}},
                  {{61, 150, 90}, {130, 148, 200}, {130, 148, 230}, {30, 95, 200}},
                  {{"Logeerkamer", 135, 140}, {"Was", 100, 235}, {"Berging", 160, 340}});
    sheet.box(230, 196, 252, 224); // central heating boiler

    sheet.label(QStringLiteral("1,5 m"), 95, 75);
    sheet.label(QStringLiteral("CV"), 234, 204);
    sheet.horizontalDimension(left - 1, right + 1, 385, QStringLiteral("5,50 m"));
    sheet.northAndScale();
}

void drawGarageWithWorkshop(PlanSheet& sheet)
{
    // 7.50 by 9.00 metres: the garage at the street, the workshop behind it.
    constexpr int left = 56, top = 64, right = 293, bottom = 349;
    sheet.title(QStringLiteral("Garage met werkplaats"));
    sheet.outerWalls(left, top, right, bottom);
    sheet.innerWall(left + Inside, 180, right - Inside, 180);

    sheet.openingInRow(50, 90, top + 2);
    sheet.openingInRow(51, 200, top + 2);
    sheet.openingInRow(40, 120, 180);           // workshop, from the garage
    sheet.openingInColumn(45, 250, right - 2);  // side door
    garageDoor(sheet, 95, 255, bottom - 2);

    sheet.fillRoom(200, 120, room::Workshop);
    car(sheet, 110, 200);
    sheet.symbol(25, 250, 70);
    sheet.box(62, 70, 150, 86);

    sheet.furnish({},
                  {},
                  {{"Werkplaats", 170, 140}, {"Werkbank", 80, 90}, {"Garage", 200, 270},
                   {"Kanteldeur", 150, 355}});
    sheet.horizontalDimension(left - 1, right + 1, 385, QStringLiteral("7,50 m"));
    sheet.verticalDimension(310, top - 1, bottom + 1, QStringLiteral("9,00 m"));
    sheet.northAndScale();
}
