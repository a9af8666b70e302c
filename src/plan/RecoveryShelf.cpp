#include "plan/RecoveryShelf.h"

#include <QDir>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

RecoveryShelf::Claim::Claim(const QString& folder, bool ownFolder)
    : m_store(folder)
    , m_ownFolder(ownFolder)
    , m_lock(folder + QStringLiteral(".lock"))
{
    // A lock counts as left behind only when its program is gone (or the
    // machine restarted), never by its age: a drawing session may last days,
    // and by default a lock older than 30 seconds would be taken over.
    m_lock.setStaleLockTime(0);
}

bool RecoveryShelf::Claim::tryHold()
{
    return m_lock.tryLock(0);
}

void RecoveryShelf::Claim::remove()
{
    m_store.remove();
    if (m_ownFolder)
        QDir().rmdir(m_store.folder());
    // Last, so no other start ever sees the folder without its lock.
    m_lock.unlock();
}

QString RecoveryShelf::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

RecoveryShelf::RecoveryShelf(QString folder) : m_folder(std::move(folder)) {}

std::unique_ptr<RecoveryShelf::Claim> RecoveryShelf::claimNew() const
{
    // A name no run ever had, so a dead run's copy is never taken for this one.
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto claim = std::make_unique<Claim>(QDir(m_folder).filePath(name), true);
    if (QDir().mkpath(m_folder) && claim->tryHold())
        QDir().mkdir(claim->store().folder());
    return claim;
}

std::vector<std::unique_ptr<RecoveryShelf::Claim>> RecoveryShelf::claimOrphans() const
{
    const QDir shelf(m_folder);
    QStringList folders;
    for (const QString& name : shelf.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << shelf.filePath(name);
    // A lock without its folder: a run stopped between making the two.
    for (const QString& name : shelf.entryList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString folder = shelf.filePath(name.chopped(5));
        if (!folders.contains(folder))
            folders << folder;
    }
    std::vector<std::unique_ptr<Claim>> orphans;
    if (RecoveryStore(m_folder).exists()) {
        auto old = std::make_unique<Claim>(m_folder, false);
        if (old->tryHold())
            orphans.push_back(std::move(old));
    }
    for (const QString& folder : folders) {
        auto claim = std::make_unique<Claim>(folder, true);
        if (!claim->tryHold())
            continue; // its program is still running
        if (claim->store().exists())
            orphans.push_back(std::move(claim));
        else
            claim->remove();
    }
    std::stable_sort(orphans.begin(), orphans.end(), [](const auto& a, const auto& b) {
        return a->store().lastWritten() > b->store().lastWritten();
    });
    return orphans;
}
