#pragma once

#include "core/Algemeen.h"
#include "core/InfoLine.h"
#include "core/Prompts.h"
#include "core/WavePlayer.h"

#include <QDir>

// What behaviour code needs from the rest of the program: the shared values,
// the user's answers, the sound and the information line.
struct AppContext {
    Algemeen& state;
    Prompts& prompts;
    WavePlayer& sound;
    InfoLine& info;

    QString programPath(const QString& name) const { return QDir(state.ProgramFolder).filePath(name); }

    // Plays one of the program's own sounds, but only while sound is switched on.
    void playSound(const QString& fileName) const
    {
        if (state.SoundOn)
            sound.PlayWave(programPath(QStringLiteral("sounds/") + fileName));
    }

    void ShowInfoText(const QString& message) const { info.ShowInfoText(message); }
};
