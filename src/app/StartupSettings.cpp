#include "app/StartupSettings.h"

#include "core/ProgramFolders.h"
#include "core/Settings.h"
#include "image/SettingsFile.h"

#include <QDir>

namespace {
bool isColourComponent(int value) { return value >= 0 && value <= 255; }

// The widest canvas the configuration offers is 470 px (1800 twips extra).
bool isCanvasExtraWidth(int value) { return value >= 0 && value <= 1800; }

// A value the window refuses goes back to its start value, so the file
// written now starts the next run cleanly instead of failing again.
bool refuseBadValues(Settings& settings)
{
    bool refused = false;
    for (int* component : {&settings.red, &settings.green, &settings.blue}) {
        if (!isColourComponent(*component)) {
            *component = 0;
            refused = true;
        }
    }
    if (!isCanvasExtraWidth(settings.canvasExtraWidth)) {
        settings.canvasExtraWidth = 0;
        refused = true;
    }
    return refused;
}
} // namespace

QString settingsPath(const ProgramFolders& folders)
{
    return QDir(folders.writableFolder()).filePath(QStringLiteral("Rimbano.ini"));
}

bool writeSettings(const Settings& settings, const ProgramFolders& folders)
{
    return writeSettingsFile(settingsPath(folders), settings);
}

bool readStartupSettings(Settings& settings, const ProgramFolders& folders)
{
    // Fields read before a failure keep their new values; the rest keep their start values.
    const SettingsReadResult result = readSettingsFile(settingsPath(folders), settings);
    const bool refused = refuseBadValues(settings);
    if (result == SettingsReadResult::Complete && !refused)
        return true;
    writeSettings(settings, folders);
    return false;
}
