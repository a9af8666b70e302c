#pragma once

#include <QByteArray>
#include <QString>

// The five-line settings file kept beside the program: a reserved quoted text,
// the drawing colour, the save format, the sound switch and the extra canvas width.
struct SettingsRecord {
    QString reserved = QStringLiteral("Rimbano");
    int red = 0;
    int green = 0;
    int blue = 0;
    bool saveAsJpg = true;
    bool soundOn = true;
    int canvasExtraWidth = 0;
};

enum class SettingsReadResult {
    Complete,   // all seven fields read and converted
    Missing,    // no file, or it cannot be opened
    Incomplete, // too few fields, or a field that does not convert
};

// Reads field by field in file order; fields read before a failure keep their
// new values in `record`, the rest keep what they held.
SettingsReadResult readSettingsFile(const QString& path, SettingsRecord& record);
SettingsReadResult parseSettings(const QByteArray& bytes, SettingsRecord& record);

QByteArray formatSettings(const SettingsRecord& record);

// Replaces the whole file or leaves the old one untouched.
bool writeSettingsFile(const QString& path, const SettingsRecord& record);
