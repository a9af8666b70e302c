#include "plan/History.h"

#include "plan/Floor.h"
#include "plan/Plan.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {
// The smallest rectangle outside which `before` and `after`, of one size and
// 32 bits a pixel, are equal; empty when they are equal everywhere.
QRect changedArea(const QImage& before, const QImage& after)
{
    const int width = before.width();
    const size_t rowBytes = size_t(width) * sizeof(QRgb);
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < before.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::memcmp(was, now, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (was[x] == now[x])
            ++x;
        left = std::min(left, x);
        x = width - 1;
        while (was[x] == now[x])
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

History::History(std::array<Floor, 3>& floors, qsizetype budget)
    : m_floors(floors)
    , m_budget(budget)
{
}

Floor& History::floor(int index)
{
    Q_ASSERT(index >= 1 && index <= 3);
    return m_floors[size_t(index - 1)];
}

void History::begin(int index, const QString& what)
{
    end();
    // A deep copy on purpose: its cost belongs to the press, not to the
    // first move of the drag that follows.
    m_open = OpenPress{index, what, floor(index).image.copy()};
}

void History::end()
{
    closeOpenPress();
    m_open.reset();
}

// What the open press did so far becomes a step; the press itself stays open.
void History::closeOpenPress()
{
    if (!m_open)
        return;
    Step step{m_open->what, m_open->floor, {}, 0};
    // Only a picture put in place of the floor's own can change its size under a press.
    addPart(step, m_open->floor, m_open->before, floor(m_open->floor).image);
    if (!step.parts.empty())
        push(std::move(step));
}

// What floor `f` changed from `was` to `now` joins the step: the pixels of the
// changed area as they were, or all of `was` when the size changed; nothing
// when no pixel did.
void History::addPart(Step& step, int f, const QImage& was, const QImage& now)
{
    if (now.size() != was.size())
        step.parts.push_back(Part{f, QRect(), was});
    else if (const QRect area = changedArea(was, now); !area.isEmpty())
        step.parts.push_back(Part{f, area, was.copy(area)});
}

// After a step of another kind, an open press goes on from the floor as it is now.
void History::reopenPress()
{
    if (m_open)
        m_open->before = floor(m_open->floor).image.copy();
}

void History::record(std::initializer_list<int> floors, const QString& what, const std::function<void()>& change)
{
    closeOpenPress();
    std::vector<std::pair<int, QImage>> before;
    for (int f : floors)
        before.emplace_back(f, floor(f).wholePicture());
    change();
    Step step{what, floors.size() == 1 ? *floors.begin() : 0, {}, 0};
    for (const auto& [f, was] : before)
        addPart(step, f, was, floor(f).wholePicture());
    if (!step.parts.empty())
        push(std::move(step));
    reopenPress();
}

void History::aroundWidthChange(const std::function<void()>& change)
{
    closeOpenPress();
    change();
    reopenPress();
}

void History::push(Step step)
{
    // A new change drops what could be redone.
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().bytes;
        m_steps.pop_back();
    }
    for (const Part& part : step.parts)
        step.bytes += part.pixels.sizeInBytes();
    m_bytes += step.bytes;
    m_steps.push_back(std::move(step));
    ++m_done;
    // The oldest go first, never one in between; the newest stays whatever its size.
    while (m_bytes > m_budget && m_steps.size() > 1) {
        m_bytes -= m_steps.front().bytes;
        m_steps.pop_front();
        --m_done;
    }
    notify();
}

std::optional<History::Outcome> History::undo(int shownFloor)
{
    closeOpenPress();
    if (!canUndo())
        return std::nullopt;
    --m_done;
    return swap(m_steps[m_done], shownFloor);
}

std::optional<History::Outcome> History::redo(int shownFloor)
{
    closeOpenPress();
    if (!canRedo())
        return std::nullopt;
    ++m_done;
    return swap(m_steps[m_done - 1], shownFloor);
}

// The step's pixels and the floors' trade places: an undone step keeps what
// it took away, ready for Opnieuw, and a redone one what it covered again.
std::optional<History::Outcome> History::swap(Step& step, int shownFloor)
{
    for (Part& part : step.parts) {
        Floor& target = floor(part.floor);
        if (part.area.isNull()) {
            QImage now = target.wholePicture();
            target.setWholePicture(part.pixels);
            const qsizetype grown = now.sizeInBytes() - part.pixels.sizeInBytes();
            m_bytes += grown;
            step.bytes += grown;
            part.pixels = std::move(now);
        } else {
            target.exchange(part.area, part.pixels);
        }
    }
    reopenPress();
    notify();
    const int shown = step.parts.size() == 1 ? step.parts.front().floor : shownFloor;
    const QString where = step.floor != 0 ? QStringLiteral(" op ") + Plan::floorName(step.floor) : QString();
    return Outcome{shown, step.what + where};
}

void History::notify()
{
    if (m_changed)
        m_changed();
}
