#include "plan/ScaleFile.h"

#include "plan/GridSettings.h"
#include "plan/PlanScale.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>

QString ScaleFile::path(const QString& folder)
{
    return QDir(folder).filePath(PlanScale::fileName());
}

bool ScaleFile::read(const QString& path, PlanScale& scale, GridSettings& grid)
{
    grid = GridSettings();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A handful of short lines; anything longer is not ours.
    QList<QByteArray> lines = file.read(4096).split('\n');
    grid.readLines(lines.mid(1));
    bool ok = false;
    const int value = lines.value(0).trimmed().toInt(&ok);
    return ok && scale.set(value);
}

bool ScaleFile::write(const QString& path, const PlanScale& scale, const GridSettings& grid)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray::number(scale.centimetresPerPixel()) + "\r\n" + grid.lines());
    return file.commit();
}
