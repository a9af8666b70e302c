#pragma once

#include "plan/Floor.h"
#include "plan/History.h"
#include "plan/ToolChoice.h"
#include "plan/Underlay.h"

#include <QImage>
#include <QString>

#include <array>

class Prompts;

// The drawing: three storeys and the pictures the program keeps beside them,
// the floor shown and the tool chosen. Everything that changes a floor as a
// whole goes through here, so each floor's pixels, shown and hidden, have one owner.
class Plan {
public:
    // The history keeps up to `undoBudget` bytes of pixels.
    explicit Plan(int canvasWidth, qsizetype undoBudget = History::DefaultBudget);

    // 1 ground floor, 2 first floor, 3 second floor.
    Floor& floor(int index);
    const Floor& floor(int index) const;
    static QString floorName(int index);

    // The floor shown and drawn on.
    int currentFloor() const { return m_currentFloor; }
    void setCurrentFloor(int index);

    int canvasWidth() const;
    // Every floor keeps the columns a narrower canvas hides; the paper plans
    // under the floors are laid out anew for the new width.
    void setCanvasWidth(int width);

    // The paper plan under floor `index`, beside its picture, never in it.
    Underlay& underlay(int index);
    // Lays floor `index`'s paper plan out anew on its canvas after a change.
    void renderUnderlay(int index);

    // Every change of the floors' pixels, for Undo and Opnieuw.
    History& history() { return m_history; }
    const History& history() const { return m_history; }

    // The shown part of floor `index` into the copy buffer.
    void copy(int index);
    // The copy buffer into floor `index`, a step of the history; before any
    // Copy that is a blank floor.
    void paste(int index);

    // The imported icon; null until the first accepted import.
    QImage importedIcon;
    ToolChoice toolChoice;

private:
    std::array<Floor, 3> m_floors;
    std::array<Underlay, 3> m_underlays;
    int m_currentFloor = 1;
    History m_history;
    // Null before the first Copy: pasting it leaves a blank floor.
    QImage m_copyBuffer;
};

// Asks before an operation on the shown part of a floor drops the drawing a
// narrowed canvas hides; true when there is none or the user goes on.
bool confirmDroppingHiddenColumns(Prompts& prompts, const Floor& floor);
