// The memory game's tick, card click and shuffle, and the exam's scoring (the pages themselves
// are timed by page_switch).
#include "support/PageBench.h"

#include "platform/MersenneRandom.h"
#include "topics/panels/ImgPanel.h"
#include "topics/panels/MemoryGame.h"
#include "topics/panels/PanelModul.h"
#include "topics/panels/PnlMemJatekForm.h"
#include "topics/panels/PnlMiniVizsgaForm.h"

#include <QTest>

namespace {

using TPanelsBench = TPageBench<TPanelModul>;

// Two cards of different pictures on the running board.
std::pair<int, int> NoPair(const TMemoryGame& game)
{
    for (int card = 2; card <= TMemoryGame::Cards; ++card)
        if (game.Tag(card) != game.Tag(1))
            return {1, card};
    return {1, 2};
}

// One tick of the running game on the page: the pair clock, the elapsed time and its label.
void BM_MemoryTick(benchmark::State& state)
{
    TPanelsBench bench;
    auto* page = bench.Show<TPnlMemJatekForm>();
    for (auto _ : state)
        bench.course.time.Advance(TMemoryGame::Interval);
    state.counters["elapsed_s"] = page->Game().ElapsedMs() / 1000;
    page->ClosePage();
}
BENCHMARK(BM_MemoryTick)->Unit(benchmark::kMicrosecond);

// A click turning a card up; the second card and its turning back are not timed.
void BM_MemoryCardClick(benchmark::State& state)
{
    TPanelsBench bench;
    auto* page = bench.Show<TPnlMemJatekForm>();
    const auto [first, second] = NoPair(page->Game());
    for (auto _ : state) {
        QTest::mouseClick(page->Card(first), Qt::LeftButton, Qt::NoModifier, QPoint(45, 60));
        state.PauseTiming();
        QTest::mouseClick(page->Card(second), Qt::LeftButton, Qt::NoModifier, QPoint(45, 60));
        bench.course.time.Advance(2 * TMemoryGame::Interval);
        state.ResumeTiming();
    }
    state.counters["pairs"] = page->Game().PairsFound();
    page->ClosePage();
}
BENCHMARK(BM_MemoryCardClick)->Unit(benchmark::kMicrosecond);

void BM_MemoryShuffle(benchmark::State& state)
{
    TMemoryGame game;
    TMersenneRandom random;
    random.Seed(1);
    for (auto _ : state) {
        game.Shuffle(random);
        benchmark::DoNotOptimize(game.Place(1));
    }
}
BENCHMARK(BM_MemoryShuffle)->Unit(benchmark::kMicrosecond);

// The exam's answers read from its five tabs and scored.
void BM_ExamScoring(benchmark::State& state)
{
    TPanelsBench bench;
    auto* page = bench.Show<TPnlMiniVizsgaForm>();
    int score = 0;
    for (auto _ : state) {
        score = page->Answers().Score();
        benchmark::DoNotOptimize(score);
    }
    state.counters["score"] = score;
    page->ClosePage();
}
BENCHMARK(BM_ExamScoring)->Unit(benchmark::kMicrosecond);

} // namespace
