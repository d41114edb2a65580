// Time from a module's request until the new page is on screen, for the home pages, and the
// course's start until the name page shows.
#include "support/QuietCourse.h"
#include "shell/Board.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_StartUntilNamePage(benchmark::State& state)
{
    TQuietCourse course;
    for (auto _ : state) {
        course.StartCourse();
        state.PauseTiming();
        course.bitlak.reset();
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
        course.StartCourse();
        Board::PutText(*course.bitlak->Controller(), "USERNAME", "Anna");
        state.ResumeTiming();
        course.bitlak->Controller()->CurrentModule()->Notify();
        QCoreApplication::processEvents();
        state.PauseTiming();
        course.bitlak.reset();
        TQuietCourse::Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NamePageToGreeting)->Unit(benchmark::kMillisecond);

// Greeting -> chooser on the same page, and back home from a topic straight into chooser mode.
void BM_ChooserModeAndReturnHome(benchmark::State& state)
{
    TQuietCourse course;
    course.StartCourse();
    auto controller = course.bitlak->Controller();
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
