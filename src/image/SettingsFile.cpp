#include "SettingsFile.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

namespace {

// Splits the file into fields the way the file was always read: a field ends
// at a comma or a line end, blanks before a field are skipped, and a quoted
// field runs to its closing quote.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<QByteArray> next()
    {
        skipSeparatorsAfterField();
        while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
            ++m_pos;
        if (m_pos >= m_bytes.size())
            return std::nullopt;

        QByteArray field;
        if (m_bytes[m_pos] == '"') {
            const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
            const qsizetype end = close < 0 ? m_bytes.size() : close;
            field = m_bytes.mid(m_pos + 1, end - m_pos - 1);
            m_pos = close < 0 ? m_bytes.size() : close + 1;
            // Anything up to the separator after a closing quote is dropped.
            while (m_pos < m_bytes.size() && !isSeparator(m_bytes[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_bytes.size() && !isSeparator(m_bytes[m_pos]))
                ++m_pos;
            field = m_bytes.mid(start, m_pos - start).trimmed();
        }
        m_fieldRead = true;
        return field;
    }

private:
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    // One comma, or one line end (CR LF, CR or LF), closes the previous field.
    void skipSeparatorsAfterField()
    {
        if (!m_fieldRead || m_pos >= m_bytes.size())
            return;
        if (m_bytes[m_pos] == ',') {
            ++m_pos;
            return;
        }
        while (m_pos < m_bytes.size() && (m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n'))
            ++m_pos;
    }

    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
    bool m_fieldRead = false;
};

std::optional<int> toNumber(const QByteArray& field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (ok)
        return value;
    return std::nullopt;
}

std::optional<bool> toBoolean(const QByteArray& field)
{
    const QByteArray upper = field.toUpper();
    if (upper == "#TRUE#")
        return true;
    if (upper == "#FALSE#")
        return false;
    if (const auto number = toNumber(field))
        return *number != 0;
    return std::nullopt;
}

QByteArray booleanField(bool value) { return value ? "#TRUE#" : "#FALSE#"; }

} // namespace

SettingsReadResult parseSettings(const QByteArray& bytes, SettingsRecord& record)
{
    FieldReader reader(bytes);

    const auto text = reader.next();
    if (!text)
        return SettingsReadResult::Incomplete;
    record.reserved = QString::fromLatin1(*text);

    for (int* component : {&record.red, &record.green, &record.blue}) {
        const auto field = reader.next();
        const auto number = field ? toNumber(*field) : std::nullopt;
        if (!number)
            return SettingsReadResult::Incomplete;
        *component = *number;
    }
    for (bool* flag : {&record.saveAsJpg, &record.soundOn}) {
        const auto field = reader.next();
        const auto value = field ? toBoolean(*field) : std::nullopt;
        if (!value)
            return SettingsReadResult::Incomplete;
        *flag = *value;
    }
    const auto field = reader.next();
    const auto width = field ? toNumber(*field) : std::nullopt;
    if (!width)
        return SettingsReadResult::Incomplete;
    record.canvasExtraWidth = *width;
    return SettingsReadResult::Complete;
}

SettingsReadResult readSettingsFile(const QString& path, SettingsRecord& record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SettingsReadResult::Missing;
    // A settings file is a few dozen bytes; anything far larger is not ours.
    const QByteArray bytes = file.read(64 * 1024);
    return parseSettings(bytes, record);
}

QByteArray formatSettings(const SettingsRecord& record)
{
    // A quoted text runs to the next quote, so a quote inside the reserved
    // text (read from an unquoted first line) cannot be written back: it would
    // cut the text short at the next start and the file would change at every
    // exit. It is left out, and what is written reads back as written.
    QByteArray reserved = record.reserved.toLatin1();
    reserved.replace('"', QByteArray());
    QByteArray out;
    out += '"' + reserved + "\"\r\n";
    out += QByteArray::number(record.red) + ',' + QByteArray::number(record.green) + ','
        + QByteArray::number(record.blue) + "\r\n";
    out += booleanField(record.saveAsJpg) + "\r\n";
    out += booleanField(record.soundOn) + "\r\n";
    out += QByteArray::number(record.canvasExtraWidth) + "\r\n";
    return out;
}

bool writeSettingsFile(const QString& path, const SettingsRecord& record)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(formatSettings(record));
    return file.commit();
}
