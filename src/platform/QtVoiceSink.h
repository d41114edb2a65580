#pragma once

#include "VoiceSink.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// The voice through Qt's audio output, a stream of its own beside the course's sounds (the sound
// server mixes them). Samples are fed as the device takes them, never waiting on it; without an
// output device nothing is heard.
class TQtVoiceSink : public QObject, public IVoiceSink {
    Q_OBJECT
public:
    // volume 0 to 100, the school's sound volume.
    explicit TQtVoiceSink(int volume = 100);
    ~TQtVoiceSink() override;

    void Begin(int sampleRate) override;
    void Write(const QByteArray& samples) override;
    void Stop() override;
    bool Playing() const override;

private:
    void Feed();

    float volume_;
    int sampleRate_ = 0;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr;
    QByteArray pending_;
    QTimer feeder_;
};
