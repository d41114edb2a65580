#pragma once

#include "SpeechVoice.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class IVoiceSink;

// The Hungarian voice of espeak-ng, offline. The library is not reentrant, so it lives on a worker
// thread of its own: Say hands the text over and returns, the samples come back to this thread as
// they are made and go to the sink. A later Say or Stop makes the worker drop what it is making.
// Only one of these may exist at a time (the library keeps one state for the process, loaded by the
// first voice and kept to the end).
class TEspeakVoice : public QObject, public ISpeechVoice {
    Q_OBJECT
public:
    // wordsPerMinute: slower than the library's 175 for children who listen to every word.
    explicit TEspeakVoice(IVoiceSink& sink, int wordsPerMinute = 150);
    ~TEspeakVoice() override;

    // False when the library or its Hungarian voice could not be loaded; then nothing is said.
    bool Available() const override;
    void Say(const QString& text) override;
    void Stop() override;
    bool Speaking() const override;

    // Blocks until the worker has loaded the library (tests and benchmarks start from a ready voice).
    bool WaitReady() const;

private:
    struct TJob {
        QString text;
        int generation;
    };
    void Work();
    // On the worker: one utterance; false when a newer request cut it off.
    void Synthesize(const TJob& job);
    // Back on this thread.
    void Deliver(int generation, const QByteArray& samples);
    void Finished(int generation);
    static int Callback(short* samples, int count, void* events);

    IVoiceSink& sink_;
    int wordsPerMinute_;
    std::atomic<int> generation_{0};
    std::atomic<int> sampleRate_{0};
    enum class TState { Loading, Ready, Failed };
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    TState state_ = TState::Loading;
    std::optional<TJob> job_;
    bool quit_ = false;
    // Read on this thread only.
    int begun_ = -1;
    bool speaking_ = false;
    std::thread worker_;
};
