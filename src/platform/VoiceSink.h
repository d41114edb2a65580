#pragma once

#include <QByteArray>

// Where a voice's samples are heard: 16-bit signed mono PCM. Used from the user-interface thread
// only. The course's own sounds play elsewhere, so the voice never cuts one off.
class IVoiceSink {
public:
    virtual ~IVoiceSink() = default;
    // A new utterance at this rate follows.
    virtual void Begin(int sampleRate) = 0;
    virtual void Write(const QByteArray& samples) = 0;
    // Silence at once; what was written and not yet heard is dropped.
    virtual void Stop() = 0;
    // Samples written and not yet heard.
    virtual bool Playing() const = 0;
};
