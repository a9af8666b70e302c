#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <array>
#include <optional>

// The floors as a recovery copy holds them: each picture whole, with the
// columns a narrowed canvas hides, and the canvas width they were shown at.
struct RecoveredFloors {
    std::array<QImage, 3> wholePictures;
    int shownWidth = 0;
};

// One copy of the three floors kept outside the program folder, so that a
// crash, a power cut or a killed session does not lose an evening's drawing.
class RecoveryStore {
public:
    explicit RecoveryStore(QString folder);

    const QString& folder() const { return m_folder; }
    bool exists() const;
    // When the newest of its files was written; invalid while there is none.
    QDateTime lastWritten() const;
    // Writes the three floors into the folder, which must exist, each file
    // replaced whole with the shown width inside it, so a picture and its
    // width can never come from two different writes. False when a file cannot be written.
    bool save(const std::array<QImage, 3>& wholePictures, int shownWidth) const;
    // The floors as they were last saved; nullopt when a file is missing or
    // unreadable. A copy written before the width was kept in it was taken
    // of pictures as wide as their canvas: the picture gives the width.
    std::optional<RecoveredFloors> load() const;
    void remove() const;

private:
    QString fileName(int floor) const;
    QString m_folder;
};
