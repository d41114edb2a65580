// The selection topic's pages built and shown, and a tick of the race and of the cannon game.
#include "support/PageBench.h"

#include "platform/FixedRandom.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/JelChkBox2Form.h"
#include "topics/selection/JelChkBoxForm.h"
#include "topics/selection/JelChkBoxQuizForm.h"
#include "topics/selection/JelMemIntroForm.h"
#include "topics/selection/JelMemRdQuizForm.h"
#include "topics/selection/JelModul.h"
#include "topics/selection/JelProgressBarForm.h"
#include "topics/selection/JelRdBtnForm.h"
#include "topics/selection/JelRdCsopForm.h"
#include "topics/selection/JelSpinEdit1Form.h"
#include "topics/selection/JelSpinEdit2Form.h"
#include "topics/selection/JelTreckBarForm.h"

#include "framework/Image.h"
#include "framework/PushButton.h"

namespace {

using TSelectionBench = TPageBench<TJelModul>;

template <class Page> void Shown(benchmark::State& state)
{
    PageBuiltAndShown<TSelectionBench, Page>(state, "");
}
void BM_JelRdBtnForm(benchmark::State& state) { Shown<TJelRdBtnForm>(state); }
void BM_JelRdCsopForm(benchmark::State& state) { Shown<TJelRdCsopForm>(state); }
void BM_JelMemIntroForm(benchmark::State& state) { Shown<TJelMemIntroForm>(state); }
void BM_JelMemRdQuizForm(benchmark::State& state) { Shown<TJelMemRdQuizForm>(state); }
void BM_JelChkBoxForm(benchmark::State& state) { Shown<TJelChkBoxForm>(state); }
void BM_JelChkBox2Form(benchmark::State& state) { Shown<TJelChkBox2Form>(state); }
void BM_JelChkBoxQuizForm(benchmark::State& state) { Shown<TJelChkBoxQuizForm>(state); }
void BM_JelSpinEdit1Form(benchmark::State& state) { Shown<TJelSpinEdit1Form>(state); }
void BM_JelSpinEdit2Form(benchmark::State& state) { Shown<TJelSpinEdit2Form>(state); }
void BM_JelTreckBarForm(benchmark::State& state) { Shown<TJelTreckBarForm>(state); }
void BM_JelProgressBarForm(benchmark::State& state) { Shown<TJelProgressBarForm>(state); }
void BM_JelAgyuzasForm(benchmark::State& state) { Shown<TJelAgyuzasForm>(state); }
BENCHMARK(BM_JelRdBtnForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelRdCsopForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelMemIntroForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelMemRdQuizForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelChkBoxForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelChkBox2Form)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelChkBoxQuizForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelSpinEdit1Form)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelSpinEdit2Form)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelTreckBarForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelProgressBarForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JelAgyuzasForm)->Unit(benchmark::kMillisecond);

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
