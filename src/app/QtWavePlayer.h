#pragma once

#include "core/WavePlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

class QtWavePlayer : public QObject, public WavePlayer {
public:
    explicit QtWavePlayer(QObject* parent = nullptr);
    void playWave(const QString& path) override;

private:
    // Effects are kept once loaded, so a repeated click sound starts at once.
    QHash<QString, QSoundEffect*> m_effects;
};
