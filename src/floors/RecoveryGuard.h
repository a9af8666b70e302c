#pragma once

#include "plan/RecoveryShelf.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>

struct AppContext;
class CanvasWidget;
class Plan;
class RecoveryWatcher;

// Offers to bring back the drawing of a run that did not end through Exit,
// then keeps this run's own recovery copy of the floors while it runs.
class RecoveryGuard : public QObject {
    Q_OBJECT
public:
    // `applyCanvasWidth` lays the window out for the shared canvas width, as Configuratie does.
    RecoveryGuard(AppContext& context, Plan& plan, std::array<CanvasWidget*, 3> canvases,
                  std::function<void()> applyCanvasWidth, QObject* parent);
    ~RecoveryGuard() override;

    // Once the main window shows: ask about an old copy, then start watching.
    void start();
    // The user chose to leave: this run's copy is no longer wanted.
    void confirmedExit();
    RecoveryWatcher* watcher() const { return m_watcher.get(); }

private:
    void restoreFloors(const RecoveredFloors& floors);

    AppContext& m_context;
    Plan& m_plan;
    std::array<CanvasWidget*, 3> m_canvases;
    std::function<void()> m_applyCanvasWidth;
    // Declared before the watcher: the watcher's last write ends before the lock goes.
    std::unique_ptr<RecoveryShelf::Claim> m_ownCopy;
    std::unique_ptr<RecoveryWatcher> m_watcher;
};
