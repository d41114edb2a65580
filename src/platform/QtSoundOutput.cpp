#include "QtSoundOutput.h"

#include "WaveCheck.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

TQtSoundOutput::TQtSoundOutput(bool on, int volume)
    : available_(on && !QMediaDevices::audioOutputs().isEmpty()), volume_(static_cast<float>(volume) / 100.0F)
{
}

TQtSoundOutput::~TQtSoundOutput() = default;

bool TQtSoundOutput::Playable(const QString& path)
{
    if (const auto known = playable_.constFind(path); known != playable_.constEnd())
        return *known;
    // The player's own reader never sees a file the course cannot vouch for.
    QFile file(path);
    const bool playable = file.open(QIODevice::ReadOnly) && file.size() <= WaveCheck::MaxFileBytes
                          && WaveCheck::Playable(file.readAll());
    playable_.insert(path, playable);
    return playable;
}

void TQtSoundOutput::Play(const QString& path)
{
    if (!available_)
        return;
    if (!Playable(path))
        return;
    // One effect at a time: replacing it stops the sound that is still playing.
    playing_ = std::make_unique<QSoundEffect>();
    playing_->setSource(QUrl::fromLocalFile(path));
    playing_->setVolume(volume_);
    playing_->play();
}
