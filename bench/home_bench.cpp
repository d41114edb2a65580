// Time from a module's request until the new page is on screen, for the home pages, and the
// course's start until the name page shows.
#include "home/FooldalModul.h"
#include "home/ModulValaszt.h"
#include "platform/FixedDisplayModes.h"
#include "platform/ManualTime.h"
#include "platform/RecordingKioskSession.h"
#include "platform/RecordingSoundOutput.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Services.h"
#include "platform/Stage.h"
#include "shell/Bitlak.h"
#include "shell/Board.h"
#include "shell/CourseModules.h"
#include "shell/ModulVezerlo.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

struct TQuietCourse {
    TQuietCourse()
    {
        Services::SetMessages(&messages);
        Services::SetSound(&sound);
        Services::SetTime(&time);
        Services::SetTerminate([] {});
    }
    ~TQuietCourse()
    {
        Services::SetTerminate(nullptr);
        Services::SetMessages(nullptr);
        Services::SetSound(nullptr);
        Services::SetTime(nullptr);
    }
    std::unique_ptr<TBitlak> Start()
    {
        auto bitlak = std::make_unique<TBitlak>(TBitlak::Parts{
            .display = &display,
            .kiosk = &kiosk,
            .installed = [] { return true; },
            .makeController = [] { return std::make_shared<TModulVezerlo>(CourseModules(), nullptr); },
            .terminate = [] {},
        });
        bitlak->FormCreate();
        bitlak->FormActivate();
        return bitlak;
    }
    static void Settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    TScriptedMessageBoxes messages;
    TRecordingSoundOutput sound;
    TManualTime time;
    TRecordingKioskSession kiosk;
    TFixedDisplayModes display{{{1024, 768, 32, 60}}};
    TStage stage{true};
};

void BM_StartUntilNamePage(benchmark::State& state)
{
    TQuietCourse course;
    for (auto _ : state) {
        auto bitlak = course.Start();
        QCoreApplication::processEvents();
        state.PauseTiming();
        bitlak.reset();
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUntilNamePage)->Unit(benchmark::kMillisecond);

// Name page -> greeting: the home module builds the chooser, shows it and closes the name page.
void BM_NamePageToGreeting(benchmark::State& state)
{
    TQuietCourse course;
    for (auto _ : state) {
        state.PauseTiming();
        auto bitlak = course.Start();
        Board::PutText(*bitlak->Controller(), "USERNAME", "Anna");
        state.ResumeTiming();
        bitlak->Controller()->CurrentModule()->Notify();
        QCoreApplication::processEvents();
        state.PauseTiming();
        bitlak.reset();
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NamePageToGreeting)->Unit(benchmark::kMillisecond);

// Greeting -> chooser on the same page, and back home from a topic straight into chooser mode.
void BM_ChooserModeAndReturnHome(benchmark::State& state)
{
    TQuietCourse course;
    auto bitlak = course.Start();
    auto controller = bitlak->Controller();
    Board::PutText(*controller, "USERNAME", "Anna");
    controller->CurrentModule()->Notify();
    for (auto _ : state) {
        Board::PutText(*controller, "CHANGE_MODUL", "RETURN_TO_MAIN");
        controller->Notify();
        QCoreApplication::processEvents();
        state.PauseTiming();
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChooserModeAndReturnHome)->Unit(benchmark::kMillisecond);

} // namespace
