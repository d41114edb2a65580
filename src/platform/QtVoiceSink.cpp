#include "QtVoiceSink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

TQtVoiceSink::TQtVoiceSink(int volume) : volume_(float(volume) / 100.0f)
{
    // Often enough that the device's buffer never runs dry between two feeds.
    feeder_.setInterval(20);
    connect(&feeder_, &QTimer::timeout, this, [this] { Feed(); });
}

TQtVoiceSink::~TQtVoiceSink()
{
    Stop();
}

void TQtVoiceSink::Begin(int sampleRate)
{
    Stop();
    if (sink_ && sampleRate == sampleRate_)
        return;
    sink_.reset();
    sampleRate_ = sampleRate;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!output.isFormatSupported(format))
        return;
    sink_ = std::make_unique<QAudioSink>(output, format);
    sink_->setVolume(volume_);
    // About 100 ms ahead: a stop is heard at once, yet a busy moment does not break the words.
    sink_->setBufferSize(sampleRate / 10 * 2);
}

void TQtVoiceSink::Write(const QByteArray& samples)
{
    if (!sink_)
        return;
    pending_ += samples;
    if (!device_)
        device_ = sink_->start();
    Feed();
    if (!pending_.isEmpty() && !feeder_.isActive())
        feeder_.start();
}

void TQtVoiceSink::Feed()
{
    if (!sink_ || !device_) {
        feeder_.stop();
        return;
    }
    const qsizetype room = sink_->bytesFree() & ~qsizetype(1);
    if (room > 0 && !pending_.isEmpty()) {
        const qint64 written = device_->write(pending_.constData(), std::min(room, pending_.size()));
        if (written > 0)
            pending_.remove(0, written & ~qint64(1));
    }
    if (pending_.isEmpty())
        feeder_.stop();
}

void TQtVoiceSink::Stop()
{
    feeder_.stop();
    pending_.clear();
    if (sink_ && device_)
        sink_->reset();
    device_ = nullptr;
}

bool TQtVoiceSink::Playing() const
{
    return !pending_.isEmpty() || (sink_ && device_ && sink_->state() == QAudio::ActiveState);
}
