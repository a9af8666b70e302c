#include "app/ProgramOptions.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

QString programFolderFrom(const QStringList& arguments, const QString& executableFolder)
{
    const QString option = QStringLiteral("--program-folder");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            return QDir(arguments[i + 1]).absolutePath();
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return QDir(arguments[i].mid(option.size() + 1)).absolutePath();
    }
    return executableFolder;
}

QString writableFolderFor(const QString& programFolder)
{
    // Asking for permissions is not enough (root, read-only mounts): try it.
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("rimbano-probe-XXXXXX")));
    if (probe.open())
        return programFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}
