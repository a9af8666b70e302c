#pragma once

#include <QString>
#include <QStringList>

// The example drawings shipped in the program folder's examples/: the "*.jpg"
// files in name order.
class ExampleList {
public:
    explicit ExampleList(const QString& folder);

    int count() const { return int(m_files.size()); }
    QString path(int index) const;
    // The file name without its last four characters (".jpg").
    QString displayName(int index) const;

private:
    QString m_folder;
    QStringList m_files;
};
