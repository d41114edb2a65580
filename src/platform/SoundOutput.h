#pragma once

#include <QString>

// Plays WAV files asynchronously; a new sound cuts off the one playing.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    virtual bool Available() const = 0;
    virtual void Play(const QString& path) = 0;
};
