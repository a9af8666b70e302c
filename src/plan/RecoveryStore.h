#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <optional>

// A copy of the three floors kept outside the program folder, so that a crash,
// a power cut or a killed session does not lose an evening's drawing.
class RecoveryStore {
public:
    // The folder in the user's data location where the copy is kept.
    static QString defaultFolder();

    explicit RecoveryStore(QString folder);

    const QString& folder() const { return m_folder; }
    bool exists() const;
    // Writes the three floors, each file replaced whole; false when the folder cannot be written.
    bool save(const std::array<QImage, 3>& floors) const;
    // The floors as they were last saved; nullopt when a file is missing or unreadable.
    std::optional<std::array<QImage, 3>> load() const;
    void remove() const;

private:
    QString fileName(int floor) const;
    QString m_folder;
};
