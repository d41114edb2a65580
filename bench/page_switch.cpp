// From a module's SwitchToPage until the new page is on screen (shown and painted once), for
// every page of every module (the samples beside each topic's tests). PageSwitch rows meet the
// course's clip cache as a page met again does; FirstPageSwitch rows empty it first, as the first
// page that plays a clip finds it. ReadingPageSwitch rows switch with every page read aloud as it
// appears, and time the page's text prepared and handed to the voice as well.
#include "support/QuietCourse.h"
#include "framework/BaseForm.h"
#include "framework/ClipCache.h"
#include "framework/ModuleBase.h"
#include "framework/ReadAloud.h"
#include "platform/EspeakVoice.h"
#include "platform/RecordingVoiceSink.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"
#include "shell/CourseModules.h"
#include "shell/Board.h"

#include "support/LateRegistration.h"
#include "support/PageSamples.h"
#include "support/SampleBench.h"
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

// The school's "every page" reading with the real voice, for the time of one benchmark.
struct TReadingOn {
    TReadingOn()
    {
        QFile file(folder.filePath(QStringLiteral("bitlak.conf")));
        if (file.open(QIODevice::WriteOnly))
            file.write("[speech]\nmode = every page\n");
        file.close();
        settings = std::make_unique<TSchoolSettings>(file.fileName());
        speech.voice.WaitReady();
        Services::SetSettings(settings.get());
    }
    ~TReadingOn() { Services::SetSettings(nullptr); }

    QTemporaryDir folder;
    std::unique_ptr<TSchoolSettings> settings;
    TBenchVoice speech;
};

void SwitchToSample(benchmark::State& state, const TModuleTable::TRow& row, const TPageSample& sample,
                    bool emptyClipCache, bool reading = false)
{
    std::unique_ptr<TReadingOn> readingOn;
    if (reading)
        readingOn = std::make_unique<TReadingOn>();
    TQuietCourse course;
    std::shared_ptr<TModulVezerlo> controller;
    const auto module = SampleModule(state, course, row, controller);
    if (!module)
        return;
    for (auto _ : state) {
        if (emptyClipCache) {
            state.PauseTiming();
            TClipCache::Course().Clear();
            state.ResumeTiming();
        }
        auto* page = dynamic_cast<TBaseForm*>(sample.make());
        module->SwitchTo(page, [&] { sample.prepare(*controller); });
        page->repaint();
        // What the page's deferred read does once it has drawn its texts: prepare them and hand
        // them to the voice.
        if (reading)
            ReadAloud::Request();
        state.PauseTiming();
        // The page closed by the switch goes after the event, as in the course.
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
    module->Stop();
}

const bool registered = LateRegistration::Add([] {
    static const TModuleTable table = CourseModules();
    for (const TModuleTable::TRow& row : table.Rows()) {
        for (const TPageSample& sample : PageSamples::Of(row.value)) {
            const std::string name = (row.value + '/' + sample.label).toStdString();
            for (const bool first : {false, true}) {
                const std::string title = (first ? "FirstPageSwitch/" : "PageSwitch/") + name;
                benchmark::RegisterBenchmark(title.c_str(), [&row, sample, first](benchmark::State& state) {
                    SwitchToSample(state, row, sample, first);
                })->Unit(benchmark::kMillisecond);
            }
            const std::string reading = "ReadingPageSwitch/" + name;
            benchmark::RegisterBenchmark(reading.c_str(), [&row, sample](benchmark::State& state) {
                SwitchToSample(state, row, sample, false, true);
            })->Unit(benchmark::kMillisecond);
        }
    }
});

} // namespace
