#include "app/QtWavePlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtWavePlayer::QtWavePlayer(QObject* parent) : QObject(parent) {}

void QtWavePlayer::playWave(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    QSoundEffect*& effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}
