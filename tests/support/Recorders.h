#pragma once

#include "core/InfoLine.h"
#include "core/WavePlayer.h"

#include <QStringList>

// Remembers which sound files were asked for instead of playing them.
class RecordingWavePlayer : public WavePlayer {
public:
    QStringList played;
    void playWave(const QString& path) override { played << path; }
};

// Remembers what went to the information line.
class RecordingInfoLine : public InfoLine {
public:
    QStringList shown;
    void showInfoText(const QString& message) override { shown << message; }
    QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
};
