#include "app/StartupSettings.h"

#include "core/ProgramFolders.h"
#include "core/Settings.h"
#include "image/SettingsFile.h"

#include <QDir>

namespace {
SettingsRecord recordFrom(const Settings& settings)
{
    SettingsRecord r;
    r.reserved = settings.reservedText;
    r.red = settings.drawingRed;
    r.green = settings.drawingGreen;
    r.blue = settings.drawingBlue;
    r.saveAsJpg = settings.saveAsJpg;
    r.soundOn = settings.soundOn;
    r.canvasExtraWidth = settings.canvasExtraWidth;
    return r;
}

void copyInto(Settings& settings, const SettingsRecord& r)
{
    settings.reservedText = r.reserved;
    settings.drawingRed = r.red;
    settings.drawingGreen = r.green;
    settings.drawingBlue = r.blue;
    settings.saveAsJpg = r.saveAsJpg;
    settings.soundOn = r.soundOn;
    settings.canvasExtraWidth = r.canvasExtraWidth;
}

bool isColourComponent(int value) { return value >= 0 && value <= 255; }

// The widest canvas the configuration offers is 470 px (1800 twips extra).
bool isCanvasExtraWidth(int value) { return value >= 0 && value <= 1800; }

// A value the window refuses goes back to its start value, so the file
// written now starts the next run cleanly instead of failing again.
bool refuseBadValues(Settings& settings)
{
    bool refused = false;
    for (int* component : {&settings.drawingRed, &settings.drawingGreen, &settings.drawingBlue}) {
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
    return writeSettingsFile(settingsPath(folders), recordFrom(settings));
}

bool readStartupSettings(Settings& settings, const ProgramFolders& folders)
{
    SettingsRecord record = recordFrom(settings);
    const SettingsReadResult result = readSettingsFile(settingsPath(folders), record);
    copyInto(settings, record);
    const bool refused = refuseBadValues(settings);
    if (result == SettingsReadResult::Complete && !refused)
        return true;
    writeSettings(settings, folders);
    return false;
}
