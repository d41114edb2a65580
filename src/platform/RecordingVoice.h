#pragma once

#include "SpeechVoice.h"

#include <QStringList>

// Test double: remembers what it was asked to say and counts the stops; it speaks until stopped.
class TRecordingVoice : public ISpeechVoice {
public:
    explicit TRecordingVoice(bool available = true) : available_(available) {}
    bool Available() const override { return available_; }
    void Say(const QString& text) override;
    void Stop() override;
    bool Speaking() const override { return speaking_; }

    const QStringList& Said() const { return said_; }
    int Stops() const { return stops_; }
    void Clear();

private:
    bool available_;
    bool speaking_ = false;
    QStringList said_;
    int stops_ = 0;
};
