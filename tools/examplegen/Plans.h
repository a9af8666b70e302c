#pragma once

#include <QString>

#include <vector>

class PlanSheet;

// One example drawing: the file name it ships under and how it is drawn.
struct ExamplePlan {
    QString fileName;
    void (*draw)(PlanSheet& sheet);
};

void drawTerracedGroundFloor(PlanSheet& sheet);
void drawTerracedFirstFloor(PlanSheet& sheet);
void drawBungalow(PlanSheet& sheet);
void drawFlat(PlanSheet& sheet);
void drawAttic(PlanSheet& sheet);
void drawGarageWithWorkshop(PlanSheet& sheet);

inline std::vector<ExamplePlan> examplePlans()
{
    return {
        {QStringLiteral("Bungalow.jpg"), drawBungalow},
        {QStringLiteral("Flat.jpg"), drawFlat},
        {QStringLiteral("Garage met werkplaats.jpg"), drawGarageWithWorkshop},
        {QStringLiteral("Rijtjeshuis begane grond.jpg"), drawTerracedGroundFloor},
        {QStringLiteral("Rijtjeshuis verdieping.jpg"), drawTerracedFirstFloor},
        {QStringLiteral("Zolder.jpg"), drawAttic},
    };
}

// Soft room colours, light enough for black lines and names to stay clear.
namespace room {
constexpr unsigned Living = 0xFFFFF6C8;
constexpr unsigned Kitchen = 0xFFDDF2D2;
constexpr unsigned Bedroom = 0xFFD8E6FF;
constexpr unsigned Bathroom = 0xFFCFF0F2;
constexpr unsigned Storage = 0xFFE6E6E6;
constexpr unsigned Workshop = 0xFFFFE6CC;
} // namespace room
