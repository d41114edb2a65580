#include "QtSoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

TQtSoundOutput::TQtSoundOutput() : available_(!QMediaDevices::audioOutputs().isEmpty()) {}

TQtSoundOutput::~TQtSoundOutput() = default;

void TQtSoundOutput::Play(const QString& path)
{
    if (!available_)
        return;
    // One effect at a time: replacing it stops the sound that is still playing.
    playing_ = std::make_unique<QSoundEffect>();
    playing_->setSource(QUrl::fromLocalFile(path));
    playing_->play();
}
