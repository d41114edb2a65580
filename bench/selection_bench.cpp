// A tick of the race and of the cannon game (the pages themselves are timed by page_switch).
#include "support/PageBench.h"

#include "platform/FixedRandom.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/JelModul.h"
#include "topics/selection/JelProgressBarForm.h"

#include "framework/Image.h"
#include "framework/PushButton.h"

namespace {

using TSelectionBench = TPageBench<TJelModul>;

// One 40 ms tick of the race with both racers running, painted; a run takes 150 of them.
void BM_RaceTick(benchmark::State& state)
{
    TSelectionBench bench;
    auto* page = bench.Show<TJelProgressBarForm>();
    page->btnStart()->click();
    for (auto _ : state) {
        if (!page->Timer1().Enabled())
            page->btnStart()->click();
        page->Timer1().Fire();
        page->repaint();
    }
    page->ClosePage();
}
BENCHMARK(BM_RaceTick)->Unit(benchmark::kMicrosecond);

// One 50 ms tick of the cannon game with a ball in the air, painted.
void BM_CannonTick(benchmark::State& state)
{
    TSelectionBench bench;
    auto* page = bench.Show<TJelAgyuzasForm>();
    page->imgStart()->OnClick();
    for (auto _ : state) {
        if (!page->Game().Flying()) {
            if (page->Game().Fired() == TCannonGame::Shots) {
                state.PauseTiming();
                page->ClosePage();
                TSelectionBench::Settle();
                page = bench.Show<TJelAgyuzasForm>();
                page->imgStart()->OnClick();
                state.ResumeTiming();
            }
            page->Game().SetAngle(45);
            page->Game().SetSpeed(70);
            page->Game().Fire();
        }
        page->Timer1().Fire();
        page->repaint();
    }
    page->ClosePage();
}
BENCHMARK(BM_CannonTick)->Unit(benchmark::kMicrosecond);

// The rules alone: a tick without drawing.
void BM_CannonRules(benchmark::State& state)
{
    TFixedRandom random({7});
    auto game = std::make_unique<TCannonGame>(random);
    game->PlaceCloud();
    for (auto _ : state) {
        if (!game->Flying()) {
            if (game->Fired() == TCannonGame::Shots)
                game = std::make_unique<TCannonGame>(random);
            game->Fire();
        }
        benchmark::DoNotOptimize(game->Tick());
    }
}
BENCHMARK(BM_CannonRules)->Unit(benchmark::kNanosecond);

} // namespace
