#pragma once

#include <QString>

// A voice that reads prepared text aloud (see SpeechText). Say returns at once: the words are made
// elsewhere and heard as they come. A new Say or Stop silences what was being said at once.
class ISpeechVoice {
public:
    virtual ~ISpeechVoice() = default;
    virtual bool Available() const = 0;
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;
    // Words are still being made or heard.
    virtual bool Speaking() const = 0;
};

namespace Services {

// The reading voice; a silent one until the program installs its own.
ISpeechVoice& Voice();
void SetVoice(ISpeechVoice* voice);

} // namespace Services
