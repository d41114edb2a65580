#include "RecordingVoiceSink.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

void TRecordingVoiceSink::Begin(int sampleRate)
{
    sampleRate_ = sampleRate;
    if (keep_ > 0 && utterances_.size() >= keep_)
        utterances_.remove(0, utterances_.size() - keep_ + 1);
    utterances_ << QByteArray();
}

void TRecordingVoiceSink::Write(const QByteArray& samples)
{
    if (utterances_.isEmpty())
        utterances_ << QByteArray();
    utterances_.last() += samples;
}

double TRecordingVoiceSink::Seconds(int utterance) const
{
    if (sampleRate_ <= 0 || utterance < 0 || utterance >= utterances_.size())
        return 0;
    return double(utterances_[utterance].size() / 2) / sampleRate_;
}

double TRecordingVoiceSink::Loudness(int utterance) const
{
    if (utterance < 0 || utterance >= utterances_.size())
        return 0;
    const QByteArray& samples = utterances_[utterance];
    const qsizetype count = samples.size() / 2;
    if (count == 0)
        return 0;
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double value = qFromLittleEndian<qint16>(samples.constData() + 2 * i) / 32768.0;
        sum += value * value;
    }
    return std::sqrt(sum / double(count));
}

bool TRecordingVoiceSink::SaveWav(int utterance, const QString& path) const
{
    if (utterance < 0 || utterance >= utterances_.size())
        return false;
    const QByteArray& samples = utterances_[utterance];
    QByteArray wav;
    const auto put32 = [&wav](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        wav.append(bytes, 4);
    };
    const auto put16 = [&wav](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        wav.append(bytes, 2);
    };
    wav += "RIFF";
    put32(quint32(36 + samples.size()));
    wav += "WAVEfmt ";
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(quint32(sampleRate_));
    put32(quint32(sampleRate_ * 2));
    put16(2);
    put16(16);
    wav += "data";
    put32(quint32(samples.size()));
    wav += samples;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

void TRecordingVoiceSink::Clear()
{
    utterances_.clear();
    stops_ = 0;
}
