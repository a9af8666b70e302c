#pragma once

#include <QObject>

#include <array>
#include <memory>

struct AppContext;
class CanvasWidget;
class Floors;
class RecoveryWatcher;

// Offers to bring back the drawing of a run that did not end through Exit,
// then keeps a recovery copy of the floors while the program runs.
class RecoveryGuard : public QObject {
    Q_OBJECT
public:
    RecoveryGuard(AppContext& context, Floors& floors, std::array<CanvasWidget*, 3> canvases, QObject* parent);
    ~RecoveryGuard() override;

    // Once the main window shows: ask about an old copy, then start watching.
    void start();
    // The user chose to leave: the copy is no longer wanted.
    void confirmedExit();
    RecoveryWatcher* watcher() const { return m_watcher.get(); }

private:
    AppContext& m_context;
    Floors& m_floors;
    std::array<CanvasWidget*, 3> m_canvases;
    std::unique_ptr<RecoveryWatcher> m_watcher;
};
