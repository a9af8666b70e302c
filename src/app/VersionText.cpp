#include "app/VersionText.h"

#include <QStringList>

namespace {
const QString ErrorText = QStringLiteral("Error");
// Each part of a file version is a 16-bit number.
constexpr uint MaxVersionPart = 0xFFFF;
} // namespace

QString VersionText(const QString& builtVersion)
{
    const QStringList parts = builtVersion.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 4)
        return ErrorText;
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!ok || value > MaxVersionPart)
            return ErrorText;
        numbers << QString::number(value);
    }
    // A build that names fewer parts leaves the rest at zero, as a version record would.
    while (numbers.size() < 4)
        numbers << QStringLiteral("0");
    return numbers.join(QLatin1Char('.'));
}

QString programVersionText()
{
#ifdef RIMBANO_VERSION
    return VersionText(QStringLiteral(RIMBANO_VERSION));
#else
    return ErrorText;
#endif
}

QString welcomeText(const QString& versionText)
{
    const QString crlf = QStringLiteral("\r\n");
    QString answer;
    for (const char* line : {"Rimbano", "Plattegronden van uw huis", "Door het Rimbano-team"})
        answer += QString::fromUtf8(line) + crlf;
    answer += crlf;
    answer += QStringLiteral("For 32-bit Windows-Development") + crlf;
    answer += QStringLiteral("Version number ") + versionText + crlf;
    return answer;
}
