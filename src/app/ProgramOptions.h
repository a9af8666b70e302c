#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files: the executable's folder, unless
// --program-folder DIR names another (tests, portable use).
QString programFolderFrom(const QStringList& arguments, const QString& executableFolder);

// The program folder when a file can be created in it, else the user's
// configuration folder (created when missing).
QString writableFolderFor(const QString& programFolder);
