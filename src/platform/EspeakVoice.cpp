#include "EspeakVoice.h"

#include "VoiceSink.h"

#include <QByteArray>
#include <QMetaObject>

#include <espeak-ng/speak_lib.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// What the callback needs of the utterance being made; espeak hands it back in every event.
struct TUtterance {
    TEspeakVoice* voice;
    int generation;
};

} // namespace

TEspeakVoice::TEspeakVoice(IVoiceSink& sink, int wordsPerMinute)
    : sink_(sink), wordsPerMinute_(wordsPerMinute), worker_([this] { Work(); })
{
}

TEspeakVoice::~TEspeakVoice()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        job_.reset();
    }
    ++generation_;
    changed_.notify_all();
    worker_.join();
    sink_.Stop();
}

bool TEspeakVoice::Available() const
{
    std::lock_guard lock(mutex_);
    return state_ != TState::Failed;
}

bool TEspeakVoice::WaitReady() const
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ != TState::Loading; });
    return state_ == TState::Ready;
}

void TEspeakVoice::Say(const QString& text)
{
    Stop();
    if (text.trimmed().isEmpty())
        return;
    {
        std::lock_guard lock(mutex_);
        if (state_ == TState::Failed)
            return;
        job_ = TJob{text, generation_.load()};
    }
    speaking_ = true;
    changed_.notify_all();
}

void TEspeakVoice::Stop()
{
    ++generation_;
    {
        std::lock_guard lock(mutex_);
        job_.reset();
    }
    speaking_ = false;
    begun_ = -1;
    sink_.Stop();
}

bool TEspeakVoice::Speaking() const
{
    return speaking_ || sink_.Playing();
}

void TEspeakVoice::Work()
{
    // Below the user-interface thread: a busy page never waits for the words being made, and the
    // voice, many times faster than speech, still keeps ahead of what is heard.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
    // Loaded once for the process: the library does not come back from espeak_Terminate to a
    // second espeak_Initialize. 100 ms pieces: the first words are heard before the rest is made.
    static const int rate = [] {
        const int loaded = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (loaded > 0)
            espeak_SetSynthCallback([](short* samples, int count, espeak_EVENT* events) {
                return Callback(samples, count, events);
            });
        return loaded;
    }();
    const bool ready = rate > 0 && espeak_SetVoiceByName("hu") == EE_OK;
    if (ready) {
        sampleRate_ = rate;
        espeak_SetParameter(espeakRATE, wordsPerMinute_, 0);
    }
    {
        std::lock_guard lock(mutex_);
        state_ = ready ? TState::Ready : TState::Failed;
    }
    changed_.notify_all();
    for (;;) {
        TJob job;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return quit_ || job_; });
            if (quit_)
                break;
            job = *job_;
            job_.reset();
        }
        if (ready)
            Synthesize(job);
    }
}

void TEspeakVoice::Synthesize(const TJob& job)
{
    const QByteArray utf8 = job.text.toUtf8();
    TUtterance utterance{this, job.generation};
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 &utterance);
    QMetaObject::invokeMethod(this, [this, generation = job.generation] { Finished(generation); },
                              Qt::QueuedConnection);
}

int TEspeakVoice::Callback(short* samples, int count, void* events)
{
    const auto* event = static_cast<espeak_EVENT*>(events);
    const auto* utterance = static_cast<const TUtterance*>(event ? event->user_data : nullptr);
    if (!utterance)
        return 0;
    TEspeakVoice* voice = utterance->voice;
    // A newer request: stop making this one.
    if (voice->generation_.load() != utterance->generation)
        return 1;
    if (samples && count > 0) {
        QByteArray chunk(reinterpret_cast<const char*>(samples), qsizetype(count) * 2);
        QMetaObject::invokeMethod(voice, [voice, generation = utterance->generation, chunk] {
            voice->Deliver(generation, chunk);
        }, Qt::QueuedConnection);
    }
    return 0;
}

void TEspeakVoice::Deliver(int generation, const QByteArray& samples)
{
    if (generation != generation_.load())
        return;
    if (begun_ != generation) {
        sink_.Begin(sampleRate_.load());
        begun_ = generation;
    }
    sink_.Write(samples);
}

void TEspeakVoice::Finished(int generation)
{
    if (generation == generation_.load())
        speaking_ = false;
}
