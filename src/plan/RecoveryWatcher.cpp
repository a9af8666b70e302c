#include "plan/RecoveryWatcher.h"

#include "plan/Plan.h"

#include <QThread>
#include <QThreadPool>

namespace {
// The whole recovery copy is written by one worker, one write at a time.
QThreadPool& writerPool()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}
} // namespace

RecoveryWatcher::RecoveryWatcher(Plan& plan, RecoveryStore store, QObject* parent)
    : QObject(parent)
    , m_plan(plan)
    , m_store(std::move(store))
{
    m_savedKeys = currentKeys();
    m_poll.setInterval(500);
    connect(&m_poll, &QTimer::timeout, this, &RecoveryWatcher::poll);
    m_poll.start();
    m_delay.setSingleShot(true);
    m_delay.setInterval(3000);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryWatcher::writeNow);
}

RecoveryWatcher::~RecoveryWatcher()
{
    writerPool().waitForDone();
}

std::array<qint64, 3> RecoveryWatcher::currentKeys() const
{
    // Every write into an image moves its cache key on, so this sees any change.
    // The hidden columns never change alone: a new shown width, Undo, a loaded
    // or turned picture all replace the shown image as well.
    return {m_plan.floor(1).image.cacheKey(), m_plan.floor(2).image.cacheKey(),
            m_plan.floor(3).image.cacheKey()};
}

void RecoveryWatcher::markSaved()
{
    m_savedKeys = currentKeys();
    m_delay.stop();
}

void RecoveryWatcher::poll()
{
    if (currentKeys() != m_savedKeys && !m_delay.isActive())
        m_delay.start();
    if (m_failed && !m_failureReported) {
        m_failureReported = true;
        if (m_reportFailure)
            m_reportFailure();
    }
}

void RecoveryWatcher::writeNow()
{
    m_savedKeys = currentKeys();
    // Copies of their own: the drawing goes on in the window's images while the worker encodes these.
    const std::array<QImage, 3> copies{m_plan.floor(1).wholePicture(), m_plan.floor(2).wholePicture(),
                                       m_plan.floor(3).wholePicture()};
    const int shownWidth = m_plan.canvasWidth();
    const RecoveryStore store = m_store;
    ++m_pendingWrites;
    writerPool().start([this, copies, shownWidth, store] {
        if (!store.save(copies, shownWidth))
            m_failed = true;
        --m_pendingWrites;
        QMetaObject::invokeMethod(this, &RecoveryWatcher::written, Qt::QueuedConnection);
    });
}

bool RecoveryWatcher::flush()
{
    if (currentKeys() != m_savedKeys)
        writeNow();
    writerPool().waitForDone();
    poll();
    return !m_failed;
}

void RecoveryWatcher::stop()
{
    m_poll.stop();
    m_delay.stop();
    writerPool().waitForDone();
}
