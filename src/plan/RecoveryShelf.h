#pragma once

#include "plan/RecoveryStore.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

// Where every running Rimbano keeps its own recovery copy: a folder of its own
// beside a lock file ("<folder>.lock") that the program holds while it runs.
// Two programs open at once thus never write, offer or remove each other's
// copy: a copy is offered back, or removed, only once its lock can be taken,
// that is when the program that wrote it is no longer running.
class RecoveryShelf {
public:
    // One copy and its lock, held from a successful claim until remove() or
    // until this object goes; a copy let go without remove() stays for a later start.
    class Claim {
    public:
        // `ownFolder`: the folder belongs to this copy alone and goes with it.
        Claim(const QString& folder, bool ownFolder);
        const RecoveryStore& store() const { return m_store; }
        // Removes the copy, then gives up the lock.
        void remove();

    private:
        friend class RecoveryShelf;
        bool tryHold();

        RecoveryStore m_store;
        bool m_ownFolder;
        QLockFile m_lock;
    };

    // In the user's data location: ~/.local/share/Rimbano/recovery.
    static QString defaultFolder();

    explicit RecoveryShelf(QString folder);

    // A new folder for this run's copy, made only once its lock is held: without
    // the lock there is no folder, and writing the copy fails rather than
    // leaving a copy any other start could take for a dead program's.
    std::unique_ptr<Claim> claimNew() const;
    // The copies no running program owns, newest first, each held for this run.
    // Copies laid out before every run had a folder of its own lie in the shelf
    // itself and count as one. A dead run's folder without a picture in it is
    // removed on the way: there is nothing to offer.
    std::vector<std::unique_ptr<Claim>> claimOrphans() const;

private:
    QString m_folder;
};
