#pragma once

#include "plan/RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>

class Plan;

// Keeps the recovery copy up to date a few seconds after the floors change.
// It only compares the images' change counters on a slow timer and hands
// shared copies to a worker thread, so drawing never waits for a write.
class RecoveryWatcher : public QObject {
    Q_OBJECT
public:
    RecoveryWatcher(Plan& plan, RecoveryStore store, QObject* parent = nullptr);
    ~RecoveryWatcher() override;

    const RecoveryStore& store() const { return m_store; }
    // Called once when the copy cannot be written; the program goes on without it.
    void onWriteFailure(std::function<void()> report) { m_reportFailure = std::move(report); }
    // Takes the current floors as the saved state, without writing them.
    void markSaved();
    // Writes now if anything changed since the last write, and waits for it;
    // false once any write has failed.
    bool flush();
    void setDelay(int milliseconds) { m_delay.setInterval(milliseconds); }
    // Stops watching and lets a write under way finish.
    void stop();

signals:
    void written();

private:
    void poll();
    void writeNow();
    std::array<qint64, 3> currentKeys() const;

    Plan& m_plan;
    RecoveryStore m_store;
    QTimer m_poll;
    QTimer m_delay;
    std::array<qint64, 3> m_savedKeys{};
    std::atomic<int> m_pendingWrites{0};
    std::atomic<bool> m_failed{false};
    bool m_failureReported = false;
    std::function<void()> m_reportFailure;
};
