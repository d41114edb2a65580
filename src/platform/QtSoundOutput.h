#pragma once

#include "SoundOutput.h"

#include <QHash>
#include <QString>

#include <memory>

class QSoundEffect;

class TQtSoundOutput : public ISoundOutput {
public:
    // on false: the school turned the sound off; volume 0 to 100.
    explicit TQtSoundOutput(bool on = true, int volume = 100);
    ~TQtSoundOutput() override;
    bool Available() const override { return available_; }
    void Play(const QString& path) override;

private:
    // Whether a file passed the WAV check; the course's sounds do not change while it runs, and a
    // page plays one on every key.
    bool Playable(const QString& path);

    bool available_;
    float volume_;
    std::unique_ptr<QSoundEffect> playing_;
    QHash<QString, bool> playable_;
};
