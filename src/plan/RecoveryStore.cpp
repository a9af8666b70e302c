#include "plan/RecoveryStore.h"

#include "image/PictureReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>

QString RecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

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

bool RecoveryStore::save(const std::array<QImage, 3>& floors) const
{
    if (!QDir().mkpath(m_folder))
        return false;
    for (int f = 1; f <= 3; ++f) {
        // PNG keeps every pixel exactly, unlike the JPG a user may save.
        QSaveFile file(fileName(f));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QImageWriter writer(&file, "png");
        writer.setCompression(1);
        if (!writer.write(floors[size_t(f - 1)]) || !file.commit())
            return false;
    }
    return true;
}

std::optional<std::array<QImage, 3>> RecoveryStore::load() const
{
    std::array<QImage, 3> floors;
    for (int f = 1; f <= 3; ++f) {
        auto picture = readPicture(fileName(f));
        if (!picture)
            return std::nullopt;
        floors[size_t(f - 1)] = *picture;
    }
    return floors;
}

void RecoveryStore::remove() const
{
    for (int f = 1; f <= 3; ++f)
        QFile::remove(fileName(f));
}
