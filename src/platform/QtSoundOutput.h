#pragma once

#include "SoundOutput.h"

#include <memory>

class QSoundEffect;

class TQtSoundOutput : public ISoundOutput {
public:
    TQtSoundOutput();
    ~TQtSoundOutput() override;
    bool Available() const override { return available_; }
    void Play(const QString& path) override;

private:
    bool available_;
    std::unique_ptr<QSoundEffect> playing_;
};
