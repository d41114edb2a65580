// Reading aloud: from the reading key to the first samples the voice hands to the sound output,
// and preparing and starting each sample page's text (the call the page waits for; the words are
// made on the voice's own thread).
#include "support/LateRegistration.h"
#include "support/PageBench.h"
#include "support/PageSamples.h"

#include "framework/ModuleBase.h"
#include "framework/ReadAloud.h"
#include "home/FooldalModul.h"
#include "home/NavBeker.h"
#include "platform/EspeakVoice.h"
#include "platform/RecordingVoiceSink.h"
#include "platform/Services.h"
#include "shell/CourseModules.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The real voice into a recording sink, in place for the benchmark's course.
struct TBenchVoice {
    TBenchVoice() { Services::SetVoice(&voice); }
    ~TBenchVoice() { Services::SetVoice(nullptr); }

    TRecordingVoiceSink sink{2};
    TEspeakVoice voice{sink};
};

void KeyToFirstSound(benchmark::State& state)
{
    TPageBench<TFooldalModul> bench;
    TNavBeker* page = bench.Show<TNavBeker>();
    TBenchVoice speech;
    if (!speech.voice.WaitReady()) {
        state.SkipWithError("the Hungarian voice did not load");
        return;
    }
    QWidget* target = page->focusWidget() ? page->focusWidget() : page;
    ulong stamp = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
        press.setTimestamp(++stamp);
        QApplication::sendEvent(target, &press);
        while (speech.sink.Utterances().isEmpty() || speech.sink.Utterances().last().isEmpty())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        speech.voice.Stop();
        speech.sink.Clear();
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier);
        release.setTimestamp(++stamp);
        QApplication::sendEvent(target, &release);
        state.ResumeTiming();
    }
    bench.Settle();
}
BENCHMARK(KeyToFirstSound)->Unit(benchmark::kMillisecond);

void PrepareAndStart(benchmark::State& state, const TModuleTable::TRow& row, const TPageSample& sample)
{
    TQuietCourse course;
    course.stage->Present();
    const auto controller = course.MakeController();
    Board::PutText(*controller, "USERNAME", "Anna");
    Board::PutText(*controller, "OSZTALY", "harmadikos");
    const auto module = std::dynamic_pointer_cast<TModuleBase>(row.factory());
    if (!module) {
        state.SkipWithError("the module does not switch pages as TModuleBase");
        return;
    }
    module->SetController(controller);
    auto* page = dynamic_cast<TBaseForm*>(sample.make());
    module->SwitchTo(page, [&] { sample.prepare(*controller); });
    TQuietCourse::Settle();
    TBenchVoice speech;
    speech.voice.WaitReady();
    for (auto _ : state) {
        speech.voice.Say(ReadAloud::PreparedText(ReadAloud::Shown()));
        state.PauseTiming();
        speech.voice.Stop();
        state.ResumeTiming();
    }
    module->Stop();
    TQuietCourse::Settle();
}

const bool registered = LateRegistration::Add([] {
    static const TModuleTable table = CourseModules();
    for (const TModuleTable::TRow& row : table.Rows())
        for (const TPageSample& sample : PageSamples::Of(row.value)) {
            const std::string title = ("PrepareAndStart/" + row.value + '/' + sample.label).toStdString();
            benchmark::RegisterBenchmark(title.c_str(), [&row, sample](benchmark::State& state) {
                PrepareAndStart(state, row, sample);
            })->Unit(benchmark::kMicrosecond);
        }
});

} // namespace
