#include "examples/ExampleList.h"

#include <QDir>

ExampleList::ExampleList(const QString& folder) : m_folder(folder)
{
    QDir dir(folder);
    // File names match "*.jpg" regardless of case, in name order, as a
    // desktop file list shows them.
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QStringList all = dir.entryList();
    for (const QString& name : all) {
        if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
            m_files << name;
    }
}

QString ExampleList::path(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return QDir(m_folder).filePath(m_files[index]);
}

QString ExampleList::displayName(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_files[index].chopped(4);
}
