#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files: the executable's folder, unless
// --program-folder DIR names another (tests, portable use).
QString programFolderFrom(const QStringList& arguments, const QString& executableFolder);
