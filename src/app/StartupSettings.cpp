#include "app/StartupSettings.h"

#include "core/Algemeen.h"
#include "image/SettingsFile.h"

#include <QDir>

namespace {
SettingsRecord recordFrom(const Algemeen& state)
{
    SettingsRecord r;
    r.reserved = state.ReservedText;
    r.red = state.ColorRed;
    r.green = state.ColorGreen;
    r.blue = state.ColorBlue;
    r.saveAsJpg = state.SaveAsJpg;
    r.soundOn = state.SoundOn;
    r.canvasExtraWidth = state.CanvasExtraWidth;
    return r;
}

void copyInto(Algemeen& state, const SettingsRecord& r)
{
    state.ReservedText = r.reserved;
    state.ColorRed = r.red;
    state.ColorGreen = r.green;
    state.ColorBlue = r.blue;
    state.SaveAsJpg = r.saveAsJpg;
    state.SoundOn = r.soundOn;
    state.CanvasExtraWidth = r.canvasExtraWidth;
}

bool isColourComponent(int value) { return value >= 0 && value <= 255; }

// The widest canvas the configuration offers is 470 px (1800 twips extra).
bool isCanvasExtraWidth(int value) { return value >= 0 && value <= 1800; }

// A value the window refuses goes back to its start value, so the file
// written now starts the next run cleanly instead of failing again.
bool refuseBadValues(Algemeen& state)
{
    bool refused = false;
    for (int* component : {&state.ColorRed, &state.ColorGreen, &state.ColorBlue}) {
        if (!isColourComponent(*component)) {
            *component = 0;
            refused = true;
        }
    }
    if (!isCanvasExtraWidth(state.CanvasExtraWidth)) {
        state.CanvasExtraWidth = 0;
        refused = true;
    }
    return refused;
}
} // namespace

QString settingsPath(const Algemeen& state)
{
    return QDir(state.writableFolder()).filePath(QStringLiteral("Rimbano.ini"));
}

bool writeSettings(const Algemeen& state)
{
    return writeSettingsFile(settingsPath(state), recordFrom(state));
}

bool readStartupSettings(Algemeen& state)
{
    SettingsRecord record = recordFrom(state);
    const SettingsReadResult result = readSettingsFile(settingsPath(state), record);
    copyInto(state, record);
    const bool refused = refuseBadValues(state);
    if (result == SettingsReadResult::Complete && !refused)
        return true;
    writeSettings(state);
    return false;
}
