// Reading aloud: from the reading key to the first samples the voice hands to the sound output,
// and preparing and starting each sample page's text (the call the page waits for; the words are
// made on the voice's own thread).
#include "support/LateRegistration.h"
#include "support/PageBench.h"
#include "support/PageSamples.h"
#include "support/SampleBench.h"

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
    for (auto _ : state) {
        SendKey(target, QEvent::KeyPress, Qt::Key_F12);
        while (speech.sink.Utterances().isEmpty() || speech.sink.Utterances().last().isEmpty())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        speech.voice.Stop();
        speech.sink.Clear();
        SendKey(target, QEvent::KeyRelease, Qt::Key_F12);
        state.ResumeTiming();
    }
    bench.Settle();
}
BENCHMARK(KeyToFirstSound)->Unit(benchmark::kMillisecond);

void PrepareAndStart(benchmark::State& state, const TModuleTable::TRow& row, const TPageSample& sample)
{
    TQuietCourse course;
    std::shared_ptr<TModulVezerlo> controller;
    const auto module = SampleModule(state, course, row, controller);
    if (!module)
        return;
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
