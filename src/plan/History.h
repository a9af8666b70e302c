#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class Floor;

// What Undo and Opnieuw walk through: every change to the floors' pixels in
// the order it was made, over all three floors. A step keeps only the pixels
// it changed, as they were before (or, once undone, as they were after):
// undoing or redoing swaps them with the floor's, so Undo followed by Opnieuw
// gives back every pixel exactly. The pixels live on each floor's whole
// picture, the columns a narrowed canvas hides included, so undoing past a
// width change brings the hidden strip back as it was.
class History {
public:
    // Enough for 75 changes of a whole floor at the widest canvas, and
    // thousands of ordinary strokes.
    static constexpr qsizetype DefaultBudget = qsizetype(64) * 1024 * 1024;

    History(std::array<Floor, 3>& floors, qsizetype budget);
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // A press on floor `floor` (1..3) starts a change; whatever the floor's
    // pixels do until end() is one step, called `what` ("lijn"). A press
    // while another is still open ends that one first.
    void begin(int floor, const QString& what);
    void end();

    // Runs `change` on the floors named and keeps what it did to their whole
    // pictures as one step; floors it left as they were are not kept, and
    // nothing is when it changed none. `what` names it: "spiegelbeeld" on one
    // floor is told with the floor's name, a change of several floors without.
    void record(std::initializer_list<int> floors, const QString& what, const std::function<void()>& change);

    // A new width for the canvas: an open press's change so far becomes a
    // step, and the rest of it is measured from the new width on.
    void aroundWidthChange(const std::function<void()>& change);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }

    // What Undo or Opnieuw did: the floor to show (the one changed, or
    // `shownFloor` when the step covered several) and the step's description,
    // "lijn op Begane grond".
    struct Outcome {
        int floor = 1;
        QString description;
    };
    // Undoes the last step done, or redoes the first undone one; nothing when
    // there is none.
    std::optional<Outcome> undo(int shownFloor);
    std::optional<Outcome> redo(int shownFloor);

    // The pixels all steps hold, for the budget and the benchmarks.
    qsizetype bytes() const { return m_bytes; }
    // Told after every step added, undone, redone or dropped: the menu's
    // entries follow it.
    void onChange(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    // One floor's share of a step: its pixels in `area` of the whole picture,
    // or, with a null area, the whole picture (its width changed with it).
    struct Part {
        int floor = 1;
        QRect area;
        QImage pixels;
    };
    struct Step {
        QString what;
        // The floor a one-floor change was made on, 0 for a change of several.
        int floor = 0;
        std::vector<Part> parts;
        qsizetype bytes = 0;
    };
    // The press under way: the floor's shown picture as it was when it began
    // or when its last part became a step.
    struct OpenPress {
        int floor = 1;
        QString what;
        QImage before;
    };

    Floor& floor(int index);
    static void addPart(Step& step, int f, const QImage& was, const QImage& now);
    void closeOpenPress();
    void reopenPress();
    void push(Step step);
    std::optional<Outcome> swap(Step& step, int shownFloor);
    void notify();

    std::array<Floor, 3>& m_floors;
    qsizetype m_budget;
    std::deque<Step> m_steps;
    // m_steps[0, m_done) can be undone, the rest redone.
    size_t m_done = 0;
    qsizetype m_bytes = 0;
    std::optional<OpenPress> m_open;
    std::function<void()> m_changed;
};
