#include "core/InfoLine.h"

InfoText infoTextFor(const QString& message)
{
    if (message.startsWith(QLatin1Char('.')))
        return {message.mid(1), QColor(220, 0, 0)};
    if (message == QLatin1String("-"))
        return {QStringLiteral("Informatie..."), QColor(60, 60, 60)};
    return {message, QColor(60, 60, 60)};
}
