#pragma once

#include "core/InfoLine.h"
#include "core/ProgramFolders.h"
#include "core/Prompts.h"
#include "core/Settings.h"
#include "core/WavePlayer.h"

// What behaviour code needs from the rest of the program: the user's
// settings, the program's folders, the user's answers, the sound and the
// information line.
struct AppContext {
    Settings& settings;
    const ProgramFolders& folders;
    Prompts& prompts;
    WavePlayer& sound;
    InfoLine& info;

    QString programPath(const QString& name) const { return folders.programPath(name); }

    // Plays one of the program's own sounds, but only while sound is switched on.
    void playSound(const QString& fileName) const
    {
        if (settings.soundOn)
            sound.playWave(programPath(QStringLiteral("sounds/") + fileName));
    }

    void showInfoText(const QString& message) const { info.showInfoText(message); }
};
