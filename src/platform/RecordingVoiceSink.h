#pragma once

#include "VoiceSink.h"

#include <QList>
#include <QString>

// Test double: keeps each utterance's samples, heard at once; can write one as a WAV file.
class TRecordingVoiceSink : public IVoiceSink {
public:
    // keep: at most this many utterances, the latest (0: all); a long run keeps its memory bounded.
    explicit TRecordingVoiceSink(int keep = 0) : keep_(keep) {}
    void Begin(int sampleRate) override;
    void Write(const QByteArray& samples) override;
    void Stop() override { ++stops_; }
    bool Playing() const override { return false; }

    int SampleRate() const { return sampleRate_; }
    const QList<QByteArray>& Utterances() const { return utterances_; }
    int Stops() const { return stops_; }
    // Length of an utterance in seconds and its loudness (root mean square, 0 to 1).
    double Seconds(int utterance) const;
    double Loudness(int utterance) const;
    bool SaveWav(int utterance, const QString& path) const;
    void Clear();

private:
    int keep_;
    int sampleRate_ = 0;
    QList<QByteArray> utterances_;
    int stops_ = 0;
};
