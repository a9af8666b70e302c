#pragma once

#include <QString>

// Plays a short WAV file in the background and returns at once. A missing
// file or a machine without sound plays nothing and reports nothing.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void playWave(const QString& path) = 0;
};
