#include "shell/ProgramOptions.h"

#include <QDir>

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
