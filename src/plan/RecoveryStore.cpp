#include "plan/RecoveryStore.h"

#include "image/PictureReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {
// A PNG text entry: readers that know nothing of it show the picture as it is.
const QString ShownWidthKey = QStringLiteral("ShownWidth");
} // namespace

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryStore::fileName(int floor) const
{
    return QDir(m_folder).filePath(QStringLiteral("verdieping%1.png").arg(floor));
}

bool RecoveryStore::exists() const
{
    for (int f = 1; f <= 3; ++f) {
        if (QFile::exists(fileName(f)))
            return true;
    }
    return false;
}

QDateTime RecoveryStore::lastWritten() const
{
    QDateTime newest;
    for (int f = 1; f <= 3; ++f) {
        const QFileInfo file(fileName(f));
        if (file.exists() && (!newest.isValid() || file.lastModified() > newest))
            newest = file.lastModified();
    }
    return newest;
}

bool RecoveryStore::save(const std::array<QImage, 3>& wholePictures, int shownWidth) const
{
    for (int f = 1; f <= 3; ++f) {
        // PNG keeps every pixel exactly, unlike the JPG a user may save.
        QSaveFile file(fileName(f));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QImageWriter writer(&file, "png");
        writer.setCompression(1);
        writer.setText(ShownWidthKey, QString::number(shownWidth));
        if (!writer.write(wholePictures[size_t(f - 1)]) || !file.commit())
            return false;
    }
    return true;
}

std::optional<RecoveredFloors> RecoveryStore::load() const
{
    RecoveredFloors floors;
    for (int f = 1; f <= 3; ++f) {
        auto picture = readPicture(fileName(f));
        if (!picture)
            return std::nullopt;
        // The ground floor is written first, so should a write have been cut
        // short between floors, its width is the newest. Nothing is lost
        // whichever width counts: the columns beyond it wait, hidden.
        if (f == 1) {
            bool kept = false;
            const int shownWidth = picture->text(ShownWidthKey).toInt(&kept);
            floors.shownWidth = kept ? shownWidth : picture->width();
        }
        floors.wholePictures[size_t(f - 1)] = *picture;
    }
    return floors;
}

void RecoveryStore::remove() const
{
    // The floors, and whatever a write cut short left beside them, so the
    // folder of a run's own copy can go with them.
    QDir folder(m_folder);
    for (const QString& name : folder.entryList({QStringLiteral("verdieping?.png*")}, QDir::Files))
        folder.remove(name);
}
